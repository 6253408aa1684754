-- A book as version 5 of the schema left it: its tables as SQLite keeps
-- them, and a few rows of each kind.
PRAGMA journal_mode = WAL;
CREATE TABLE imports ( id INTEGER PRIMARY KEY, file TEXT NOT NULL, at TEXT NOT NULL, added INTEGER NOT NULL, known INTEGER NOT NULL, replaced INTEGER NOT NULL, completed INTEGER NOT NULL DEFAULT 0);
CREATE TABLE replaced ( id INTEGER PRIMARY KEY, import_id INTEGER REFERENCES imports(id), draw INTEGER NOT NULL, old_number INTEGER NOT NULL, old_date TEXT, old_source_kind INTEGER NOT NULL, old_source TEXT NOT NULL, new_number INTEGER NOT NULL, at TEXT NOT NULL, old_straight_prize INTEGER, old_straight_winners INTEGER, old_box_prize INTEGER, old_box_winners INTEGER, old_set_straight_prize INTEGER, old_set_straight_winners INTEGER, old_set_box_prize INTEGER, old_set_box_winners INTEGER, old_mini_prize INTEGER, old_mini_winners INTEGER, old_stored_at TEXT, new_source_kind INTEGER, new_source TEXT, game INTEGER NOT NULL DEFAULT 3);
CREATE TABLE meta (key TEXT PRIMARY KEY, value TEXT);
CREATE TABLE seen_files (sha256 TEXT PRIMARY KEY, name TEXT NOT NULL, at TEXT NOT NULL, ok INTEGER NOT NULL);
CREATE TABLE "draws" ( game INTEGER NOT NULL DEFAULT 3 CHECK (game IN (3, 4)), draw INTEGER NOT NULL CHECK (draw > 0), date TEXT, number INTEGER NOT NULL CHECK (number BETWEEN 0 AND 9999 AND (game = 4 OR number <= 999)), straight_prize INTEGER, straight_winners INTEGER, box_prize INTEGER, box_winners INTEGER, set_straight_prize INTEGER, set_straight_winners INTEGER, set_box_prize INTEGER, set_box_winners INTEGER, mini_prize INTEGER, mini_winners INTEGER, source_kind INTEGER NOT NULL CHECK (source_kind IN (0, 1, 2)), source TEXT NOT NULL DEFAULT '', stored_at TEXT NOT NULL, import_id INTEGER REFERENCES imports(id), PRIMARY KEY (game, draw), CHECK (game = 3 OR (mini_prize IS NULL AND mini_winners IS NULL)));
CREATE INDEX draws_by_number ON draws(game, number);
CREATE TABLE "tickets" ( id INTEGER PRIMARY KEY, game INTEGER NOT NULL DEFAULT 3 CHECK (game IN (3, 4)), draw INTEGER NOT NULL CHECK (draw > 0), number INTEGER NOT NULL CHECK (number BETWEEN 0 AND 9999 AND (game = 4 OR number <= 999)), way INTEGER NOT NULL CHECK (way IN (0, 1, 2, 3)), units INTEGER NOT NULL CHECK (units BETWEEN 1 AND 99), note TEXT NOT NULL DEFAULT '', created_at TEXT NOT NULL, CHECK (way <> 3 OR (game = 3 AND number <= 99)));
CREATE INDEX tickets_by_draw ON tickets(game, draw);
INSERT INTO imports (id, file, at, added, known, replaced) VALUES (1, '/home/player/results/A1000006.CSV', '2024-05-01T09:00:00.000Z', 0, 0, 1);
INSERT INTO draws (game, draw, date, number, source_kind, source, stored_at) VALUES (3, 5, '1994-11-04', 592, 0, '', '2024-04-30T08:00:00.000Z');
INSERT INTO draws (game, draw, date, number, straight_prize, straight_winners, box_prize, box_winners, set_straight_prize, set_straight_winners, set_box_prize, set_box_winners, mini_prize, mini_winners, source_kind, source, stored_at, import_id) VALUES (3, 6, '1994-11-11', 692, 96100, 11, 16000, 67, 56000, 19, 8000, 102, 9300, 54, 1, '/home/player/results/A1000006.CSV', '2024-05-01T09:00:00.000Z', 1);
INSERT INTO draws (game, draw, date, number, source_kind, source, stored_at) VALUES (3, 7, '1994-11-18', 318, 2, '', '2024-05-02T10:00:00.000Z');
INSERT INTO replaced (import_id, game, draw, old_number, old_date, old_source_kind, old_source, new_number, at) VALUES (1, 3, 6, 792, '1994-11-11', 0, '', 692, '2024-05-01T09:00:00.000Z');
INSERT INTO meta (key, value) VALUES ('note', 'kept');
INSERT INTO tickets (game, draw, number, way, units, note, created_at) VALUES (3, 7, 318, 0, 2, 'birthday', '2024-05-01T12:00:00.000Z');
INSERT INTO tickets (game, draw, number, way, units, note, created_at) VALUES (3, 7065, 42, 3, 1, '', '2024-05-02T12:00:00.000Z');
INSERT INTO seen_files (sha256, name, at, ok) VALUES ('9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08', 'A1007064.CSV', '2024-05-03T08:00:00.000Z', 1);
PRAGMA user_version = 5;
