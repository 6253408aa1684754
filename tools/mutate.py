#!/usr/bin/env python3
"""A small mutation runner: plants realistic single faults in the sources,
catalogues, help pages, packaging and scripts, one at a time, and checks that
the test suite notices each.

Each fault is one edit found by unique text, not by line number, so the
catalogue survives other edits. For each fault the runner applies it to a
scratch copy of the tree, rebuilds incrementally, runs ctest (all tests but
`package`, stopping at the first failure) and restores the file. The test
that killed a fault last time runs first, then the quick tests, then the
slow ones: a fault is killed by any one test failing, and most are killed by
the test that killed them before (remembered in the scratch folder). It prints
the score and every surviving fault with what it means. A fault marked
equivalent cannot change what the program does; it is counted apart. A fault
in what the package installs runs the `package` test too; a fault in a page
generator rebuilds the pages from it first, as its author would.

  python3 tools/mutate.py [--scratch DIR] [--tree DIR] [--exclude REGEX] [--only SUBSTRING[|SUBSTRING...]] [--list]

Takes tens of minutes; not part of CI.
"""
import argparse
import filecmp
import json
import os
import re
import shutil
import subprocess
import sys
import time

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))


class Fault:
    def __init__(self, path, old, new, meaning, equivalent=False, package=False, regenerate=None):
        self.path, self.old, self.new = path, old, new
        self.meaning, self.equivalent = meaning, equivalent
        self.package, self.regenerate = package, regenerate


F = Fault
FAULTS = [
    # Start-up
    F('src/app/main.cpp', 'return runProgram(argc, argv);', 'runProgram(argc, argv);\n    return 3;',
      'main returns a fixed code instead of the event loop\'s result'),
    F('src/app/startup.cpp', '    installCatalogue(translator);\n', '',
      'start-up forgets the catalogue'),
    F('src/app/startup.cpp', '!= QLocale::Japanese', '!= QLocale::Chinese',
      'the catalogue is loaded for the wrong language'),
    F('src/app/startup.cpp', 'if (QLocale::system().language() != QLocale::Japanese)',
      'if (QLocale(QString::fromLatin1(qgetenv("LANG"))).language() != QLocale::Japanese)',
      'the panel chooses its catalogue from LANG alone'),
    F('src/book/present/book_catalogue.cpp', 'for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {',
      'for (const char *name : {"LANG"}) {', 'the book chooses its catalogue from LANG alone'),
    F('src/app/startup.cpp', 'QStringLiteral("numbers_") + QStringLiteral("ja")',
      'QStringLiteral("numbers_") + QStringLiteral("jp")', 'the catalogue has the wrong name'),
    F('src/app/startup.cpp', 'for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd)',
      'for (int fd = STDIN_FILENO; fd < STDERR_FILENO; ++fd)', 'a closed standard error is not reopened'),
    F('src/app/startup.cpp', 'std::signal(SIGPIPE, SIG_IGN);', '', 'a reader that went away kills the program'),
    F('src/app/startup.cpp', '    panel.show();\n', '', 'the panel is never shown'),
    # The panel
    F('src/display/random.cpp', 'timer->start(100);\n\n    showRand3();', 'timer->start(1000);\n\n    showRand3();',
      'the roll ticks once a second'),
    F('src/display/random.cpp', 'if (left_count % 2 != 0) {', 'if (left_count % 2 == 0) {',
      'a left click restarts where it should stop'),
    F('src/display/random.cpp', '    ++setup_count;\n', '', 'a right click does not switch the roll to the settings'),
    F('src/display/random.cpp', 'resize(200, 60);', 'resize(200, 80);', 'the panel has the wrong size'),
    F('src/display/random.cpp', 'setWindowTitle(tr("Korvel no Numbers"));', 'setWindowTitle("Korvel no Numbers");',
      'the panel title is not translated'),
    F('src/display/random.cpp', '|| !SettingCode::isSelfMode(setup->check_ok())',
      '|| SettingCode::isSelfMode(setup->check_ok())', 'the ones digit decides self mode backwards'),
    F('src/display/random.cpp', 'if (event->isAutoRepeat() || keysDown.contains(key))', 'if (false)',
      'a held key acts again and again'),
    F('src/display/random.cpp', '(key == Qt::Key_F10 && modifiers == Qt::ShiftModifier)',
      '(key == Qt::Key_F9 && modifiers == Qt::ShiftModifier)', 'Shift+F10 does not open the settings'),
    F('src/display/random.cpp', 'std::printf(trace, r3, r2, r);', 'std::printf(trace, r, r2, r3);',
      'the report trace lists the digits backwards'),
    F('src/display/random.cpp', 'display(straight_no);', 'display(box_no1);', 'the panel shows a box number on a stop'),
    F('src/display/random.cpp', 'QMessageBox::Ok, QMessageBox::NoButton);', 'QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::NoButton);',
      'the report box gets a second button'),
    F('src/display/random.cpp', '    setFocusPolicy(Qt::StrongFocus);\n', '', 'the panel never takes the keyboard focus'),
    F('src/display/random.cpp', 'return QStringLiteral("%1").arg(intValue(), 3, 10, QLatin1Char(\'0\'));',
      'return QString::number(intValue());', 'the accessible value loses its leading zeros'),
    F('src/display/random_accessible.cpp', 'if (t != QAccessible::Name)', 'if (t != QAccessible::Value)',
      'a screen reader hears the title, not the number'),
    F('src/display/random.cpp', 'QAccessibleEvent event(this, QAccessible::NameChanged);',
      'QAccessibleEvent event(this, QAccessible::DescriptionChanged);',
      'a stop tells screen readers of the wrong change'),
    # Roll table
    F('src/display/roll_rules.cpp',
      '{{Cell::Below, Cell::Ten, Cell::Ten}, {Make::Below, Make::Zero, Make::Zero}}',
      '{{Cell::Below, Cell::Ten, Cell::Ten}, {Make::UpTo, Make::Zero, Make::Zero}}',
      'tens and ones on "0" let the hundreds reach its label'),
    F('src/display/roll_rules.cpp',
      '{{Cell::Below, Cell::Ten, Cell::Below}, {Make::Below, Make::Zero, Make::Below}}',
      '{{Cell::Below, Cell::Ten, Cell::Below}, {Make::Below, Make::Zero, Make::UpTo}}',
      'tens on "0" lets the ones reach its label'),
    F('src/display/roll_rules.cpp', 'return bound > 0 ? draw() % bound : 0;', 'return bound > 0 ? draw() % bound : 1;',
      'an unread group gives 1'),
    F('src/display/roll_rules.cpp', 'd.ones = draw() % 10;', 'd.ones = draw() % 9;', 'the first roll never shows a 9 in the ones'),
    F('src/display/roll_rules.cpp', 'return cell == Cell::Ten ? code == 10 : code < 10;',
      'return cell == Cell::Ten ? code == 10 : code <= 10;', 'a label "0" also matches a bounded cell'),
    F('src/display/roll_rules.cpp', 'return drawBelow(draw, read() + 1);', 'return drawBelow(draw, read());',
      'without a "0" the label is exclusive'),
    # Pattern report
    F('src/display/number_kind.cpp', 'if (o == t && h == t)', 'if (o == t || h == t)', 'pairs are taken for triples'),
    F('src/display/number_kind.cpp', 'case Shape::OnesEqualHundreds: return { { number(t, h, o), number(o, h, t) }, 2 };',
      'case Shape::OnesEqualHundreds: return { { number(t, o, h), number(o, h, t) }, 2 };',
      'the 3-way box of ones equal to hundreds built with o and h swapped: the same number', True),
    F('src/display/pattern_report.cpp', '        report.translatedTitle = false;\n', '',
      'the six-way report title is translated'),
    F('src/book/game/game.cpp', 'return sortedDigits(a, game) == sortedDigits(b, game);', 'return sortedDigits(a, game) < sortedDigits(b, game) || a == b;',
      'a box ticket wins only on some orders of its digits'),
    F('src/display/pattern_report.cpp', '{{false, true, false}, "pattern 9', '{{false, false, true}, "pattern 9',
      'the wrong pattern trace for a tens "0"'),
    F('src/display/pattern_report.cpp', 'd.tens = SettingCode::selfDigit(codes.tens());',
      'd.tens = SettingCode::selfDigit(codes.ones());', 'the composed tens digit is read from the ones'),
    F('html/bets_ja.html', '下 2 桁が 23 の当選番号すべてで当たり、1000 回に 10 回です。', '下 2 桁が 23 の当選番号すべてで当たり、1000 回に 1 回です。',
      'the Japanese bets page gives the mini the straight\'s chance in its prose'),
    F('html/bets.html', 'every other draw ending in 23, ten draws in 1000.', 'every other draw ending in 23, one draw in 1000.',
      'the bets page gives the mini the straight\'s chance in its prose'),
    F('html/book.html', 'mini 9,000;', 'mini 90,000;', 'the book\'s help gives the mini ten times its theoretical prize'),
    F('man/ja/numbers3-book.1', '.BI \\-\\-import\\-tickets " ファイル"', '.BI \\-\\-import\\-ticket " ファイル"',
      'the Japanese manual page of the book names an option the program does not have'),
    # Settings
    F('src/settings/setup_config.cpp', '    typeLayout->addWidget(numbers3_button);\n    typeLayout->addWidget(numbers4_button);',
      '    typeLayout->addWidget(numbers4_button);\n    typeLayout->addWidget(numbers3_button);', 'the type group shows Numbers4 above Numbers3'),
    F('src/settings/setup_config.cpp', '    modeLayout->addWidget(random_mode_button);\n    modeLayout->addWidget(self_mode_button);',
      '    modeLayout->addWidget(self_mode_button);\n    modeLayout->addWidget(random_mode_button);', 'the mode group shows self mode first'),
    F('src/settings/setup_config.cpp', 'tabOrder << okButton << versionButton << serchButton << help_button;',
      'tabOrder << okButton << versionButton << help_button << serchButton;', 'Tab reaches help before serch'),
    F('src/bought/input_serch.cpp', '    modeLayout->addWidget(data_to_times_radio);\n    modeLayout->addWidget(times_to_data_radio);',
      '    modeLayout->addWidget(times_to_data_radio);\n    modeLayout->addWidget(data_to_times_radio);',
      'the bought-number window lists its last two modes the other way round'),
    F('src/settings/setting_code.cpp', 'return randomCode(i) + 10;', 'return randomCode(i) + 11;',
      'self-mode codes are one too high'),
    F('src/settings/setting_code.cpp', 'if (code == 20 || (reader == Reader::Hundreds && isSelfMode(code)))',
      'if (code == 20 || (reader == Reader::Tens && isSelfMode(code)))', 'the wrong reader prints "method="'),
    F('src/settings/setting_code.h', 'return labelIndex == 9 ? 10 : 9 - labelIndex;',
      'return labelIndex == 9 ? 0 : 9 - labelIndex;', 'the label "0" gives code 0'),
    F('src/settings/setup_config.cpp', 'connectDigitGroup(max1_buttons, SLOT(check_ok()));', '',
      'ones buttons print nothing when clicked'),
    F('src/settings/setup_config.cpp', 'connectDigitGroup(max2_buttons, SLOT(check_ok2()));',
      'connectDigitGroup(max2_buttons, SLOT(check_ok3()));', 'tens buttons call the hundreds reader'),
    F('src/settings/setup_config.cpp', 'resize(540, 250);', 'resize(540, 260);', 'the settings have the wrong size'),
    F('src/settings/setup_config.cpp', '    buttons[Star]->setEnabled(false);\n', '', 'the "*" button can be clicked'),
    F('src/settings/setup_config.cpp', '    done(0);\n', '', '"ok" does not hide the settings'),
    F('src/settings/setup_config.cpp', 'tr("Version:Numbers3 1.1.1\\n"', 'tr("Version:Numbers3 1.1.2\\n"',
      'the About box shows the wrong version'),
    F('src/settings/setup_config.cpp', 'for (int i = 0; i < SettingCode::ReadableLabels; ++i)\n        checked[i]',
      'for (int i = 1; i < SettingCode::ReadableLabels; ++i)\n        checked[i]', 'the label "9" is never read'),
    F('src/settings/setup_config.cpp', 'max1_box->setAccessibleName(tr("ones digit"));', '',
      'the ones group has no accessible name'),
    F('src/settings/setup_config.cpp', 'QList<QWidget *> tabOrder{random_mode_button, self_mode_button, numbers3_button, numbers4_button};',
      'QList<QWidget *> tabOrder{numbers3_button, numbers4_button, random_mode_button, self_mode_button};',
      'Tab reaches the game type before the mode'),
    # Bought numbers
    F('src/bought/bought_store.cpp', 'bought_no[bought_count++] = value;', 'bought_no[++bought_count - 1] = value + 0;',
      'same store, written differently', True),
    F('src/bought/bought_store.cpp', 'if (bought_no[i] == value)', 'if (bought_no[i] >= value)',
      'counts numbers at or above the one asked for'),
    F('src/bought/bought_store.cpp', '    bought_count = 0;\n', '', 'Clear keeps the count'),
    F('src/bought/serch_answer.cpp', 'if (times < 1 || times > TimesData::Size)', 'if (times < 1 || times >= TimesData::Size)',
      'times 2000 is refused'),
    F('src/bought/serch_answer.cpp', 'return {Outcome::TimesValue, times, times_data[times - 1]};',
      'return {Outcome::TimesValue, times, times_data[times]};', 'times n answers the draw of times n + 1'),
    F('src/bought/serch_answer.cpp', 'if (input == 0)\n        return {Outcome::NoData};\n    if (!store.add(value))',
      'if (input < 0)\n        return {Outcome::NoData};\n    if (!store.add(value))', '0 is stored as a bought number'),
    F('src/bought/serch_answer.cpp', 'return {Outcome::StoreFull, BoughtStore::Capacity};',
      'return {Outcome::NoData, BoughtStore::Capacity};', 'a full store says "No Data"'),
    F('src/bought/times_data.cpp', '191, 988, 194, 105,', '191, 988, 194, 106,', 'one past result changed'),
    F('src/bought/input_serch.cpp', 'number_edit->setMaxLength(3);\n        field_label->setText(tr("Data"));',
      'number_edit->setMaxLength(4);\n        field_label->setText(tr("Data"));', 'Data to Times takes four characters'),
    F('src/bought/input_serch.cpp', 'std::printf("times to data=2\\n");', 'std::printf("times to data=1\\n");',
      'the wrong trace for Times to Data'),
    F('src/bought/input_serch.cpp', '    serch_radio->show();\n', '', 'Bought No serch never appears'),
    F('src/bought/input_serch.cpp', 'connect(number_edit, SIGNAL(returnPressed()), this, SLOT(Push_ok()));', '',
      'Return in the field does nothing'),
    F('src/bought/input_serch.cpp', '    number_edit->setFocus(Qt::OtherFocusReason);\n', '',
      'the field has no focus when the window is shown'),
    F('src/bought/input_serch.cpp', 'std::printf("bought_no[%d]=%d,d=%d,o=%d\\n", i, store.bought_no[i], answer.arg1, search_value);',
      'std::printf("bought_no[%d]=%d,d=%d,o=%d\\n", i, store.bought_no[i], answer.arg1, input_value);',
      'the search trace names the wrong number', True),
    F('src/bought/input_serch.cpp', '    click->play();\n', '', 'a mode click is silent'),
    F('src/bought/click_sound.cpp', 'QMetaObject::invokeMethod(player, "play");', '', 'the player is never started'),
    F('src/bought/click_module.cpp', 'effect->setSource(QUrl::fromLocalFile(wavPath));', '',
      'the player has no sound file'),
    # Help
    F('src/help/help_window.cpp', 'resize(750, 400);', 'resize(750, 480);', 'the help window has the wrong size'),
    F('src/help/help_window.cpp', 'setSearchPaths(QStringList{QStringLiteral("html")});', '',
      'links in the help open blank pages'),
    F('src/help/help_window.cpp', 'page.setPath(QStringLiteral("html/index.html"));',
      'page = QUrl::fromLocalFile(QStringLiteral("html/index.html"));', 'the start page gets a scheme'),
    # The Japanese catalogues
    F('translations/numbers_ja.ts', '<source>serch result</source>', '<source>Serch result</source>',
      'the answer box title loses its translation'),
    F('translations/numbers_ja.ts', '<source>Max_2</source>\n            <translation>十の位</translation>',
      '<source>Max_2</source>\n            <translation>一の位</translation>', 'two digit groups share one title'),
    F('translations/numbers_ja.ts', '<translation>購入番号の登録(%1)</translation>',
      '<translation>購入番号の登録</translation>', 'the entry caption drops its count'),
    F('translations/numbers_ja.ts', '<translation>その番号は出ていません</translation>',
      '<translation type="unfinished"></translation>', 'a miss message is left in English'),
    F('translations/numbers_ja.ts', '<source>ones digit</source>\n            <translation>一の位</translation>',
      '<source>ones digit</source>\n            <translation type="unfinished"></translation>',
      'an accessible name is left in English'),
    F('translations/numbers_ja.ts', '<translation>ボックスの組み合わせ</translation>',
      '<translation type="unfinished">ボックスの組み合わせ</translation>', 'the report box title is left unfinished'),
    F('translations/numbers_ja.ts', '<translation>セルフモード</translation>', '<translation>ランダムモード</translation>',
      'both mode buttons read the same'),
    F('translations/numbers_ja.ts', '<translation>回号から当選番号へ</translation>', '<translation>Times to Data</translation>',
      'a mode is "translated" into English'),
    F('translations/numbers3-book_ja.ts', '<translation>%1（%2）は番号帳にありません。',
      '<translation>（%2）は番号帳にありません。', 'a book message drops its number'),
    # Help pages and the manual page
    F('html/bets.html', '<td>90</td><td>270</td>', '<td>90</td><td>240</td>', 'a wrong count in the box table'),
    F('html/bets_ja.html', '<td>90</td><td>270</td>', '<td>60</td><td>270</td>',
      'a wrong box count on the Japanese page'),
    F('html/bets_ja.html', '<td>100 分の 1</td>', '<td>100 分の 10</td>', 'a wrong mini chance on the Japanese page'),
    F('html/bets.html', '<td>1 in 167</td>', '<td>1 in 176</td>', 'a wrong box chance'),
    F('html/bets.html', 'see <a href="history.html">', 'see <a href="history_ja.html">',
      'an English link leads to the Japanese page'),
    F('html/index_ja.html', '<a href="bets_ja.html">', '<a href="bets.html">',
      'a Japanese link leads to the English page'),
    F('html/index.html', '<td>Menu key or Shift+F10</td>', '<td>Menu key or Shift+F9</td>',
      'the help names a key that does nothing'),
    F('man/numbers3.1', '.BR "Right click" ", the " Menu " key or " Shift+F10',
      '.BR "Right click" ", the " Menu " key or " Shift+F11', 'the manual page names a key that does nothing'),
    F('tools/gen_history.py', "s['repeats'] = j['repeats']", "s['repeats'] = j['repeats'][::-1]",
      'the history pages swap the hundreds\' and the ones\' repeats',
      regenerate=['/usr/bin/python3', 'tools/gen_history.py']),
    F('tools/gen_history.py', "s['kinds'] = [(c, e) for _, c, e in j['kinds']]",
      "s['kinds'] = [(c, e) for _, c, e in j['kinds'][::-1]]", 'the history pages turn the box kinds around',
      regenerate=['/usr/bin/python3', 'tools/gen_history.py']),
    # What the package installs
    F('src/CMakeLists.txt', '${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR}/numbers3)',
      '${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})',
      'the installed program looks for the click module in the wrong folder', package=True),
    F('data/io.github.numbers3.Numbers3.desktop.in', 'Name[ja]=ナンバーズ3\n', '',
      'the launcher loses its Japanese name', package=True),
    F('data/io.github.numbers3.Numbers3.metainfo.xml', '<launchable type="desktop-id">io.github.numbers3.Numbers3.desktop',
      '<launchable type="desktop-id">numbers3.desktop', 'the metadata launches a launcher that is not there',
      package=True),
    F('data/io.github.numbers3.Numbers3.metainfo.xml', '<project_license>GPL-3.0-or-later', '<project_license>MIT',
      'the metadata declares the wrong licence', package=True),
    F('data/io.github.numbers3.Book.metainfo.xml', '<project_license>GPL-3.0-or-later',
      '<project_license>GPL-2.0-or-later', 'the book\'s metadata declares the wrong licence', package=True),
    F('data/io.github.numbers3.Book.desktop.in', 'Terminal=false', 'Terminal=true',
      'the book\'s launcher opens a terminal', package=True),
    F('data/io.github.numbers3.Numbers3.desktop.in', 'StartupWMClass=numbers3\n', 'StartupWMClass=Numbers3\n',
      'the panel\'s launcher names another window class', package=True),
    F('man/ja/numbers3-book.1', 'numbers3-book \\- 3', 'numbers3-book 3',
      'the Japanese manual page of the book has no NAME line for whatis', package=True),
    F('man/numbers3.1', 'numbers3 \\- pick numbers', 'numbers3 pick numbers',
      'the panel\'s manual page has no NAME line for whatis', package=True),
    # The scripts
    F('run.sh', 'cd "${BUILD_DIR:-build}/run"\nexec ./numbers3 "$@"', 'exec "${BUILD_DIR:-build}/run/numbers3" "$@"',
      'run.sh starts the program from the wrong folder'),
    F('run.sh', '    exit 1\nfi', '    true\nfi', 'run.sh without a display gives its advice and starts the program anyway'),
    F('README.md', './test.sh    # installs', './tests.sh   # installs', 'the README\'s quick start names a script that is not there'),
    F('README.md', '(docs/images/book.png)', '(html/images/book.png)', 'the README shows a screenshot that is not there'),
    F('README.md', '## Where the past results come from', '## Where the past data comes from',
      'a README section renamed under the notes that link it'),
    F('.ci/run', 'scripts/test_sanitized.sh', 'true', 'CI leaves out the sanitized suite'),
    F('scripts/setup.sh', '          fonts-ipafont-gothic qt6-translations-l10n', '          qt6-translations-l10n',
      'the set-up no longer installs the Japanese font'),
    F('scripts/setup.sh', 'PACKAGES+=(lintian man-db', 'PACKAGES+=(man-db', 'the set-up no longer installs lintian'),
    F('scripts/setup.sh', '(dbus-daemon at-spi2-core python3-pyatspi', '(dbus-daemon python3-pyatspi',
      'the set-up no longer installs the AT-SPI bridge'),
    F('scripts/setup.sh', '[ "${1:-}" = --tests ]', '[ "${1:-}" = --test ]', 'the set-up ignores --tests'),
    # Facts of the windows that only a look at them shows
    F('src/display/random.cpp', 'key == Qt::Key_Return || key == Qt::Key_Enter', 'key == Qt::Key_Return',
      'the keypad\'s Enter does nothing on the panel'),
    F('src/display/random.cpp', 'event->modifiers() & ~Qt::KeypadModifier;', 'event->modifiers();',
      'the keypad\'s Enter is taken for a different key'),
    F('src/bought/input_serch.cpp', 'setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint);',
      'setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint);',
      'the bought-number window gets minimise and maximise buttons'),
    F('src/settings/setup_config.cpp', 'max2_box->setToolTip(tr("2 digdit"));', 'max2_box->setToolTip(tr("1 digdit"));',
      'the tens group has the ones group\'s tooltip'),
    # The results book's tickets
    F('src/book/game/ticket_rules.cpp', 'case TicketGrade::SetBox: return DrawResult::SetBox;',
      'case TicketGrade::SetBox: return DrawResult::SetStraight;', 'a set-box win is paid the set-straight prize'),
    F('src/book/game/ticket_rules.cpp', '} else if (winners && *winners == 0) {', '} else if (false) {',
      'a draw with no winner for the way pays the theoretical prize'),
    F('src/book/game/ticket_rules.cpp', 'bought == won % 100', 'bought == won / 10',
      'mini is checked against the first two digits of the result'),
    F('src/book/game/ticket_rules.cpp', 'if (ticket.way == Ticket::Set && isAllAlike(ticket.number, game))', 'if (false)',
      'a triple can be kept as a set ticket'),
    # Both games
    F('src/book/game/ticket_rules.cpp', 'case TicketGrade::FourWay: return 225000;', 'case TicketGrade::FourWay: return 150000;',
      'a four-digit 4-way box is paid as a 6-way one'),
    F('src/book/store/ticket_store.cpp', 'LEFT JOIN draws d ON d.game = t.game AND d.draw = t.draw', 'LEFT JOIN draws d ON d.draw = t.draw',
      'a ticket is graded against the other game\'s result of its draw too'),
    F('src/book/game/game.cpp', 'result /= ++run;', 'result /= 2;', 'three alike count as a pair when the orders are counted'),
    F('src/book/formats/csv_reader.cpp', '                    ++line;\n                cell += c;', '                cell += c;',
      'a note of several lines shifts the line numbers of later errors'),
    F('src/book/formats/csv_writer.cpp', "!utf8.contains('\\r')", 'true',
      'a note with a carriage return is not quoted and does not read back'),
    F('src/book/store/ticket_store.cpp', 't.draw = first.draw + i;', 't.draw = first.draw + i * 2;',
      'a run of draws skips every other draw'),
    F('src/book/store/ticket_store.cpp',
      '            why.text = tr("%1: %2").arg(describe(t), why.text);\n            return why;',
      '            continue;', 'a ticket the book refuses is skipped and the rest of the batch kept'),
    F('src/book/actions/ticket_history.h', 'static constexpr int Depth = 50;', 'static constexpr int Depth = 5;',
      'undo goes back 5 changes where the help promises 50'),
    F('src/book/present/elided_text.cpp', '        if (before > cut / 2)\n            cut = before;', '        cut = before;',
      'a header line made of one long word is cut down to nothing but its ellipsis'),
    F('src/book/present/ticket_table_model.cpp', '        nextDraw = low - 1;', '        nextDraw = low - 2;',
      'the tickets list read in pages skips a draw between two pages'),
    F('src/book/present/ticket_table_model.cpp', '    if (column != keyColumn) {', '    if (keys.isEmpty()) {',
      'the tickets list sorts by another column with the keys of the last one'),
    F('src/book/present/ticket_table_model.cpp', '    if (list.isEmpty())\n        keys.clear();\n', '',
      'the tickets list read again sorts by the keys of the rows it held before'),
    F('src/book/ui/stats_view.cpp', 'const int Choices[] = {50, 100, 500, 1000, 0, -1};', 'const int Choices[] = {5, 50, 500, 1000, 0, -1};',
      'the statistics offer other ranges than the help names'),
    F('src/book/store/book_lock.cpp', '        if (deadline.hasExpired())\n            return refusal();', '        return refusal();',
      'a second program refuses a busy book at once instead of waiting for it'),
    F('translations/numbers3-book_ja.ts', '<name>TicketTexts</name>\n    <message>\n        <source>straight</source>\n        <translation>ストレート</translation>',
      '<name>TicketTexts</name>\n    <message>\n        <source>straight</source>\n        <translation>ボックス</translation>',
      'the Japanese catalogue names straight tickets "box"'),
    F('src/book/actions/import_run.cpp', 'files.mid(stored.size(), ready.size())', 'files.mid(0, ready.size())',
      'a big import in the window reports its later files under the names of the first'),
    F('src/book/actions/import_run.cpp', '        storeReady();\n        emit progressed(done, total);', '        emit progressed(done, total);',
      'the window stores a big import only once every file is read'),
    F('src/book/actions/import_batch.cpp', '                outcome.toAsk = toStore.at(next);\n', '',
      'the window never asks before a file replaces a result entered by hand'),
    # The results book's tickets tab
    F('src/book/game/ticket_totals.cpp', '100.0 * double(won) / double(spentGraded)', '100.0 * double(won) / double(spent)',
      'the return counts what waiting tickets cost'),
    F('src/book/game/ticket_totals.cpp', '    if (row.grade.theoretical)\n        wonTheoretical += row.grade.prize;\n', '',
      'the part won at theoretical prizes is not counted apart'),
    F('src/book/game/draw_changes.cpp', 'if (!old || !old->sameContent(r))', 'if (!old)',
      'a result replaced or completed by an import does not grade its tickets anew'),
    F('src/book/actions/import_batch.cpp', '    if (tickets.count() == 0)\n        return {};', '    if (tickets.count() >= 0)\n        return {};',
      'the import report does not say what it graded'),
    F('src/book/present/ticket_texts.cpp', 'grade.theoretical ? QStringLiteral("\\u2248") + yen(grade.prize) : yen(grade.prize)',
      'yen(grade.prize)', 'a theoretical prize is shown as if it were paid'),
    F('src/book/ui/tab_shortcuts.cpp', '        other->setShortcuts({});\n', '',
      'Ctrl+N on the tickets tab is claimed by the book and the tab at once'),
    F('src/book/store/ticket_store.cpp', '" ORDER BY t.draw DESC, t.id";', '" ORDER BY t.draw DESC, t.id DESC";',
      'tickets of one draw come back in another order after an export is read in again'),
    F('src/book/store/ticket_store.cpp', '            return BookError::fromSql(q.lastError());\n        if (q.numRowsAffected() != 1)',
      '            return BookError::fromSql(q.lastError());\n        if (false)',
      'undoing an edit of a ticket deleted meanwhile says it worked'),
    F('src/book/ui/ticket_dialog.cpp', 'if (noteEdit->text() != shownNote)', 'if (true)',
      'editing a ticket trims the note it came with'),
    # The results book's statistics
    F('src/book/game/draw_stats.cpp', '            shown |= 1u << d[p];\n', '',
      'a digit that comes twice counts twice among the draws it appears in'),
    F('src/book/game/draw_stats.cpp', 'const int gap = at - seen[p][d[p]] - 1;', 'const int gap = at - seen[p][d[p]];',
      'the longest absence counts one draw too many'),
    F('src/book/game/draw_stats.cpp', '            before[p] = d[p];\n', '', 'repeats compare each draw with the first'),
    F('src/book/game/draw_stats.cpp', 'if (follows && before[p] == d[p])', 'if (before[p] == d[p])',
      'a repeat is counted across a draw missing from the book'),
    F('src/display/number_kind.cpp', '    if (o == h)\n        return Shape::OnesEqualHundreds;\n', '',
      'a pair of the first and last digit is taken for all different'),
    F('src/book/game/stats_range.cpp', 'it->date >= from && it->date <= to', 'it->date > from && it->date <= to',
      'a date range leaves out its first day'),
    # Results fetched from the results address
    F('src/book/actions/results_fetch.cpp', '    } else if (answer.kind != Answer::Absent) {\n        queue.clear();\n    }', '    }',
      'a fetch goes on past a draw not out yet'),
    F('src/book/actions/results_fetch.cpp', '            absentNow << draw;\n    } else if', '            ;\n    } else if',
      'an older draw the address does not have is asked for again every day'),
    F('src/book/actions/results_fetch.cpp', ' || otherDraw ||', ' ||',
      'another draw\'s file is stored as the one asked for'),
    F('src/book/actions/results_fetch.cpp', 'if (received > MaxBody || total > MaxBody)', 'if (false)',
      'a fetch takes an answer of any size'),
    F('src/book/actions/results_fetch.cpp',
      '    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);\n'
      '    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);\n', '',
      'a fetch keeps the cookies the server sets and sends them back'),
    # Exports, passing failures, damage found at open, the lock file
    F('src/book/formats/export_file.cpp', '    if (isKept(path))\n        return fail(', '    if (false)\n        return fail(',
      'an export replaces the open book, its lock or its journal'),
    F('src/book/formats/export_file.cpp', "rest.startsWith(QLatin1Char('.')) || ", '',
      'an export replaces the book\'s lock file while the book is open'),
    F('src/book/formats/export_file.cpp', '    if (info.exists())\n        return info.canonicalFilePath();', '    if (info.exists())\n        return info.absoluteFilePath();',
      'an export through a link or .. replaces the book'),
    F('src/book/store/book_store.cpp', 'if (why.passes() || !tx.rollbackTo(QStringLiteral("file"))) {', 'if (!tx.rollbackTo(QStringLiteral("file")) && false) {',
      'a full disk fails one file and the rest of the batch goes in a transaction SQLite already ended'),
    F('src/book/actions/watched_folder.cpp', 'result.again = why.kind == BookError::NotOpen || why.passes();', 'result.again = why.kind == BookError::NotOpen;',
      'the watched folder remembers files refused for a full disk as bad'),
    F('src/book/store/book_error.h', 'kind == Busy || kind == DiskFull || kind == ReadOnly', 'kind == Busy || kind == ReadOnly',
      'a full disk is taken for a fault of the file'),
    F('src/book/actions/watched_folder.cpp', 'stat.modified.msecsTo(wallClock) < settleMs', 'false',
      'a download that pauses is read half-written and remembered as refused'),
    F('src/book/store/book_content_check.cpp', '            if (!index.text || index.columns.contains(QString()))\n                continue;',
      '            continue;', 'a changed letter in the index of a text key opens as a good book'),
    F('src/book/store/book_probe.cpp', 'constexpr int NewestPossible = BookOpen::SchemaVersion + 64;',
      'constexpr int NewestPossible = 1 << 30;', 'a flipped bit in the schema number makes the book "newer" for good'),
    F('src/book/store/book_lock.cpp', '        if (unreadable()) {', '        if (false) {',
      'a named pipe at the lock\'s path hangs the program before any window'),
    F('src/book/store/book_content_check.cpp', '    if (!rules.isEmpty()) {\n        if (!q.exec(QStringLiteral("SELECT COUNT(*) FILTER',
      '    if (false) {\n        if (!q.exec(QStringLiteral("SELECT COUNT(*) FILTER',
      "a row edited by another program is not held to its table's CHECKs"),
    F('src/book/store/book_content_check.cpp', 'q.value(0).toLongLong() != rows || ', '',
      'a row deleted beside its index opens as a good book'),
    F('src/book/store/book_content_check.cpp', ' || q.value(1).toLongLong() != 0) {', ') {',
      "a row's key changed beside its index opens as a good book"),
    F('src/book/store/table_prints.cpp', 'changes.rows.insert(table, rowids);', 'changes.same.insert(table);',
      'a table whose leaves another program changed is taken as unchanged'),
    F('src/book/present/ticket_report.cpp', "if (c == QLatin1Char('\\t') || ", 'if (',
      "a tab in a note moves the printed cells after it out of their columns"),
    F('src/book/ui/ticket_print.cpp', 'if (used + heights.at(i) > room && (used > 0 || room < others))',
      'if (used + heights.at(i) >= room && (used > 0 || room < others))', 'a page just full of rows leaves its last row to the next'),
]


def run(cmd, cwd, timeout=None):
    return subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          text=True, timeout=timeout)


def prepare(scratch, tree):
    """A copy of the work tree's files (tracked and new, not ignored), or of
    every file of TREE, and a build."""
    if tree == ROOT:
        listed = run(['git', 'ls-files', '-z', '--cached', '--others', '--exclude-standard'], ROOT).stdout.split('\0')
    else:
        listed = [os.path.relpath(os.path.join(folder, name), tree)
                  for folder, _, names in os.walk(tree) for name in names]
    files = set(n for n in listed if n and os.path.isfile(os.path.join(tree, n)))
    # What the tree no longer holds goes; the build and what the runner
    # learnt stay.
    for folder, dirs, names in os.walk(scratch):
        relative = os.path.relpath(folder, scratch)
        if relative == '.':
            dirs[:] = [d for d in dirs if d != 'build']
        for name in names:
            path = os.path.normpath(os.path.join(relative, name))
            if path != 'killers.json' and path not in files:
                os.remove(os.path.join(folder, name))
    for name in sorted(files):
        target = os.path.join(scratch, name)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        # Only what differs is written, and with a new time: a file left
        # planted by a run that was stopped must be built again, while the
        # others keep the times the build knows.
        source = os.path.join(tree, name)
        if not os.path.exists(target) or not filecmp.cmp(source, target, shallow=False):
            shutil.copyfile(source, target)
            shutil.copymode(source, target)
    # A restored file compiles from the cache instead of again.
    launcher = ['-DCMAKE_CXX_COMPILER_LAUNCHER=ccache'] if shutil.which('ccache') else []
    result = run(['cmake', '-S', '.', '-B', 'build', '-G', 'Ninja', '-DCMAKE_BUILD_TYPE=Debug'] + launcher, scratch)
    if result.returncode == 0:
        result = run(['cmake', '--build', 'build'], scratch)
    if result.returncode != 0:
        sys.exit('the scratch copy does not build:\n' + result.stdout[-3000:])


def ctest(scratch, package, select, timeout_tests=False):
    env = dict(os.environ, QT_QPA_PLATFORM='offscreen')
    result = subprocess.run(['ctest', '--test-dir', 'build', '-j2', '--stop-on-failure',
                             '--timeout', '300' if package else '90'] + select,
                            cwd=scratch, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, env=env)
    failed = re.findall(r'Test\s+#\d+: (\S+) \.*\s*\*\*\*', result.stdout)
    ran = 'No tests were found' not in result.stdout
    return (result.returncode == 0 or not ran), failed


def slow_tests(scratch):
    """The tests that took over 5 s in the last full run, from ctest's own costs."""
    try:
        with open(os.path.join(scratch, 'build', 'Testing', 'Temporary', 'CTestCostData.txt')) as costs:
            rows = [line.split() for line in costs if line.strip() and not line.startswith('---')]
    except OSError:
        return []
    return [r[0] for r in rows if len(r) == 3 and float(r[2]) > 5.0]


def suite(scratch, package=False, exclude='', first=None, slow=()):
    """Whether the suite passes, and the tests that failed: the test named
    FIRST alone, then the quick ones, then the SLOW ones, stopping at the
    first failure."""
    left_out = [x for x in [exclude, '' if package else '^package$'] if x]
    names = lambda tests: '|'.join('^%s$' % re.escape(t) for t in tests)
    phases = []
    if first:
        phases.append(['-R', names([first])])
    phases.append(['-E', '|'.join(left_out + ([names(slow)] if slow else [])) or '^$'])
    if slow:
        phases.append(['-R', names(slow)] + (['-E', '|'.join(left_out)] if left_out else []))
    for select in phases:
        passed, failed = ctest(scratch, package, select)
        if not passed:
            return False, failed
    return True, []


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('--scratch', default='/tmp/numbers3-mutate')
    parser.add_argument('--only', default='', help='only faults whose file or meaning contains this '
                        '(or one of several, separated by |)')
    parser.add_argument('--tree', default=ROOT, help='plant the faults in a copy of this tree (a checkout '
                        'without its build folders) instead of the work tree')
    parser.add_argument('--exclude', default='', help='leave out the tests that match this (ctest -E), '
                        'such as one that fails before any fault is planted')
    parser.add_argument('--list', action='store_true', help='list the catalogue and check it applies')
    args = parser.parse_args()

    wanted = args.only.split('|')
    faults = [f for f in FAULTS if any(w in f.path or w in f.meaning for w in wanted)]
    for f in faults:
        with open(os.path.join(args.tree, f.path), encoding='utf-8') as source:
            count = source.read().count(f.old)
        if count != 1:
            sys.exit(f'{f.path}: the text of "{f.meaning}" is found {count} times, not once')
    files = sorted({f.path for f in faults})
    print(f'{len(faults)} faults in {len(files)} files ({sum(f.equivalent for f in faults)} equivalent)')
    if args.list:
        for f in faults:
            print(f'  {f.path}: {f.meaning}{" (equivalent)" if f.equivalent else ""}')
        return 0

    scratch = os.path.abspath(args.scratch)
    os.makedirs(scratch, exist_ok=True)
    args.tree = os.path.abspath(args.tree)
    prepare(scratch, args.tree)
    passed, _ = suite(scratch, any(f.package for f in faults), args.exclude)
    if not passed:
        sys.exit('the suite fails before any fault is planted')
    slow = slow_tests(scratch)
    remembered = os.path.join(scratch, 'killers.json')
    try:
        with open(remembered, encoding='utf-8') as saved:
            killers = json.load(saved)
    except (OSError, ValueError):
        killers = {}

    killed, survivors, equivalent_killed, unbuildable = [], [], [], []
    started = time.time()
    for n, f in enumerate(faults, 1):
        path = os.path.join(scratch, f.path)
        with open(path, encoding='utf-8') as source:
            original = source.read()
        with open(path, 'w', encoding='utf-8') as source:
            source.write(original.replace(f.old, f.new, 1))
        try:
            if f.regenerate:
                run(f.regenerate, scratch)
            build = run(['cmake', '--build', 'build'], scratch)
            if build.returncode != 0:
                outcome = 'does not build'
                unbuildable.append(f)
            else:
                key = f'{f.path}: {f.meaning}'
                passed, failed = suite(scratch, f.package, args.exclude, killers.get(key), slow)
                if failed:
                    killers[key] = failed[0]
                    with open(remembered, 'w', encoding='utf-8') as saved:
                        json.dump(killers, saved, indent=1, sort_keys=True)
                if passed:
                    outcome = 'SURVIVED'
                    if not f.equivalent:
                        survivors.append(f)
                else:
                    outcome = 'killed by ' + (failed[0] if failed else 'the suite')
                    (equivalent_killed if f.equivalent else killed).append(f)
        finally:
            with open(path, 'w', encoding='utf-8') as source:
                source.write(original)
            if f.regenerate:
                shutil.copytree(os.path.join(args.tree, 'html'), os.path.join(scratch, 'html'), dirs_exist_ok=True)
        mark = ' (equivalent)' if f.equivalent else ''
        print(f'[{n}/{len(faults)} {time.time() - started:5.0f} s] {f.path}: {f.meaning}{mark}: {outcome}',
              flush=True)
    run(['cmake', '--build', 'build'], scratch)

    real = [f for f in faults if not f.equivalent and f not in unbuildable]
    score = 100.0 * len(killed) / len(real) if real else 100.0
    print()
    print(f'score: {len(killed)} of {len(real)} faults killed ({score:.1f}%); '
          f'{sum(f.equivalent for f in faults)} equivalent faults counted apart '
          f'({len(equivalent_killed)} of them failed the suite anyway); {len(unbuildable)} did not build')
    for f in survivors:
        print(f'  survived: {f.path}: {f.meaning}')
    return 0 if not survivors else 1


if __name__ == '__main__':
    sys.exit(main())
