#include "draw_merge.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The notes are the store's words: the catalogue has them under "BookStore".
QString tr(const char *text)
{
    return QCoreApplication::translate("DrawMerge", text);
}

QString sourceWords(const DrawResult &r)
{
    switch (r.sourceKind) {
    case DrawResult::Bundled: return tr("bundled");
    case DrawResult::Hand: return tr("entered by hand");
    case DrawResult::File: break;
    }
    return QFileInfo(r.source).fileName();
}

// One prize or count the file gives: it fills a gap, or changes what the
// book had and says so in changed.
void offer(const std::optional<qint64> &from, std::optional<qint64> &into, const char *change, QStringList &changed,
           bool &filled)
{
    if (!from || from == into)
        return;
    if (into)
        changed << tr(change).arg(*into).arg(*from);
    else
        filled = true;
    into = from;
}

// The same for the bundled data, which never changes a value the book
// holds: it fills a gap, or the book's value stays and both are told.
void keepOrFill(const std::optional<qint64> &from, std::optional<qint64> &into, const char *word, bool fill,
                QStringList &kept, QStringList &offered, bool &filled)
{
    if (!from || from == into)
        return;
    if (into) {
        kept << tr(word).arg(*into);
        offered << tr(word).arg(*from);
    } else if (fill) {
        into = from;
        filled = true;
    }
}

const char *const PrizeWords[DrawResult::WayCount] = {
    QT_TRANSLATE_NOOP("DrawMerge", "straight prize %1"), QT_TRANSLATE_NOOP("DrawMerge", "box prize %1"),
    QT_TRANSLATE_NOOP("DrawMerge", "set-straight prize %1"), QT_TRANSLATE_NOOP("DrawMerge", "set-box prize %1"),
    QT_TRANSLATE_NOOP("DrawMerge", "mini prize %1"),
};
const char *const WinnerWords[DrawResult::WayCount] = {
    QT_TRANSLATE_NOOP("DrawMerge", "straight winners %1"), QT_TRANSLATE_NOOP("DrawMerge", "box winners %1"),
    QT_TRANSLATE_NOOP("DrawMerge", "set-straight winners %1"), QT_TRANSLATE_NOOP("DrawMerge", "set-box winners %1"),
    QT_TRANSLATE_NOOP("DrawMerge", "mini winners %1"),
};

} // namespace

DrawMerge::DrawMerge(const QString &fileName, DrawResult::SourceKind kind, bool replaceExisting,
                     const QHash<qint64, int> &replaceHand, const QDateTime &now, ImportReport &report)
    : path(fileName), name(QFileInfo(fileName).fileName()), kind(kind), replaceExisting(replaceExisting),
      replaceHand(replaceHand), now(now), report(report)
{
}

DrawMerge::Step DrawMerge::take(DrawResult offered, const std::optional<DrawResult> &held)
{
    offered.sourceKind = kind;
    offered.source = kind == DrawResult::File ? path : QString();
    offered.storedAt = now;
    if (!held) {
        ++report.added;
        report.newDraws.append(offered.draw);
        return { Added, offered };
    }
    if (!replaceExisting && held->sourceKind != DrawResult::Bundled)
        return keepHeld(offered, *held);
    return held->number == offered.number ? sameNumber(offered, *held) : otherNumber(offered, *held);
}

// Same result: a file may still bring a date or prizes. What fills a gap is
// taken quietly; what changes a value the book already had counts as a
// replacement and says so. A hand value's date and prizes are left alone.
DrawMerge::Step DrawMerge::sameNumber(const DrawResult &offered, const DrawResult &held)
{
    DrawResult merged = held;
    QStringList changed;
    bool dateFilled = false, prizesFilled = false;
    if (held.sourceKind != DrawResult::Hand) {
        if (offered.date.isValid() && offered.date != held.date) {
            if (held.date.isValid())
                changed << tr("date %1 → %2").arg(held.date.toString(Qt::ISODate), offered.date.toString(Qt::ISODate));
            else
                dateFilled = true;
            merged.date = offered.date;
        }
        for (size_t w = 0; w < size_t(DrawResult::WayCount); ++w) {
            offer(offered.prize[w], merged.prize[w], QT_TRANSLATE_NOOP("DrawMerge", "prize %1 → %2"), changed, prizesFilled);
            offer(offered.winners[w], merged.winners[w], QT_TRANSLATE_NOOP("DrawMerge", "winners %1 → %2"), changed, prizesFilled);
        }
    }
    merged.sourceKind = offered.sourceKind;
    merged.source = offered.source;
    merged.storedAt = now;
    // A period the file states is kept as stated; it changes no result. A
    // hand value stays as typed, its period the rule's.
    const bool periodGiven = held.sourceKind != DrawResult::Hand && offered.payUntil.isValid()
        && (offered.payFrom != held.payFrom || offered.payUntil != held.payUntil);
    if (periodGiven) {
        merged.payFrom = offered.payFrom;
        merged.payUntil = offered.payUntil;
    }
    if (!changed.isEmpty()) {
        ++report.replaced;
        report.notes.append(tr("draw %1: %2 from %3").arg(offered.draw).arg(changed.join(QLatin1String(", ")), name));
        return { Replaced, merged };
    }
    ++report.known;
    if (!dateFilled && !prizesFilled)
        return { periodGiven ? Filled : Known, periodGiven ? merged : held };
    ++report.completed;
    completed.append(offered.draw);
    datesAdded = datesAdded || dateFilled;
    prizesAdded = prizesAdded || prizesFilled;
    return { Filled, merged };
}

// The bundled data against a value from a file or a hand: what the book
// lacks is filled in (a hand value's date and prizes are left alone, as a
// file leaves them), nothing held is changed, and a difference is told.
DrawMerge::Step DrawMerge::keepHeld(const DrawResult &offered, const DrawResult &held)
{
    ++report.known;
    if (held.number != offered.number) {
        if (held.sourceKind == DrawResult::Hand) {
            report.handConflicts.append(BookConflict{ offered.draw, held, offered });
            return { HandKept, held };
        }
        report.differences.append(tr("draw %1: kept %2 (%3), this release has %4")
                                      .arg(offered.draw)
                                      .arg(held.numberText(), sourceWords(held), offered.numberText()));
        return { Known, held };
    }
    const bool fill = held.sourceKind != DrawResult::Hand;
    DrawResult merged = held;
    QStringList kept, other;
    bool dateFilled = false, prizesFilled = false;
    if (offered.date.isValid() && offered.date != held.date) {
        if (held.date.isValid()) {
            kept << tr("date %1").arg(held.date.toString(Qt::ISODate));
            other << tr("date %1").arg(offered.date.toString(Qt::ISODate));
        } else if (fill) {
            merged.date = offered.date;
            dateFilled = true;
        }
    }
    for (size_t w = 0; w < size_t(DrawResult::WayCount); ++w) {
        // No winners and no prize is a file's "no winner": nothing was paid.
        const bool noWinner = held.winners[w] == 0 && !held.prize[w];
        keepOrFill(offered.prize[w], merged.prize[w], PrizeWords[w], fill && !noWinner, kept, other, prizesFilled);
        keepOrFill(offered.winners[w], merged.winners[w], WinnerWords[w], fill, kept, other, prizesFilled);
    }
    if (!kept.isEmpty())
        report.differences.append(tr("draw %1: kept %2 (%3), this release has %4")
                                      .arg(offered.draw)
                                      .arg(kept.join(QLatin1String(", ")), sourceWords(held), other.join(QLatin1String(", "))));
    if (!dateFilled && !prizesFilled)
        return { Known, held };
    merged.storedAt = now;
    ++report.completed;
    completed.append(offered.draw);
    datesAdded = datesAdded || dateFilled;
    prizesAdded = prizesAdded || prizesFilled;
    return { Filled, merged };
}

DrawMerge::Step DrawMerge::otherNumber(DrawResult offered, const DrawResult &held)
{
    // Kept unless the user agreed to replace this very value.
    if (held.sourceKind == DrawResult::Hand && replaceHand.value(offered.key(), -1) != held.number) {
        report.handConflicts.append(BookConflict{ offered.draw, held, offered });
        return { HandKept, held };
    }
    // The same draw, so the same day when the file gives none; the old
    // result's prizes stay with it in replaced.
    if (!offered.date.isValid())
        offered.date = held.date;
    if (!offered.payUntil.isValid() && offered.date == held.date) {
        offered.payFrom = held.payFrom;
        offered.payUntil = held.payUntil;
    }
    ++report.replaced;
    report.notes.append(tr("draw %1: %2 %3 replaced by %4 from %5")
                            .arg(offered.draw)
                            .arg(sourceWords(held), held.numberText(), offered.numberText(), name));
    return { Replaced, offered };
}

void DrawMerge::finish()
{
    if (completed.isEmpty())
        return;
    if (completed.size() == 1) {
        const char *text = datesAdded && prizesAdded ? QT_TRANSLATE_NOOP("DrawMerge", "draw %1: date and prizes added from %2")
            : datesAdded                             ? QT_TRANSLATE_NOOP("DrawMerge", "draw %1: date added from %2")
                                                     : QT_TRANSLATE_NOOP("DrawMerge", "draw %1: prizes added from %2");
        report.notes.append(tr(text).arg(completed.first()).arg(name));
    } else {
        const char *text = datesAdded && prizesAdded ? QT_TRANSLATE_NOOP("DrawMerge", "%1 draws, %2 to %3: dates and prizes added from %4")
            : datesAdded                             ? QT_TRANSLATE_NOOP("DrawMerge", "%1 draws, %2 to %3: dates added from %4")
                                                     : QT_TRANSLATE_NOOP("DrawMerge", "%1 draws, %2 to %3: prizes added from %4");
        report.notes.append(tr(text).arg(completed.size()).arg(completed.first()).arg(completed.last()).arg(name));
    }
}
