#include "ui/widgets/DescriptionBox.h"

#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QMimeData>
#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

constexpr int kLongestUnbrokenRun = 256;

// The box may wrap a line at this character: a blank or a line end, or a Chinese, Japanese or Korean character,
// between any two of which East Asian text wraps. A run of other characters is one word to the box.
bool EndsRun(QChar c) {
    const char16_t code = c.unicode();
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QChar::LineSeparator ||
           (code >= 0x2E80 && code <= 0x9FFF) || (code >= 0xAC00 && code <= 0xD7AF) ||
           (code >= 0xF900 && code <= 0xFAFF) || (code >= 0xFF01 && code <= 0xFF9F) ||
           (code >= 0xD840 && code <= 0xD87F); // the first halves of the ideographs beyond the first plane
}

QString WithLongRunsBroken(const QString& text) {
    QString broken;
    broken.reserve(text.size());
    int run = 0;
    for (const QChar c : text) {
        if (EndsRun(c)) {
            run = 0;
        } else if (++run > kLongestUnbrokenRun && !c.isLowSurrogate()) {
            broken.append(QLatin1Char('\n'));
            run = 1;
        }
        broken.append(c);
    }
    return broken;
}

// Tells, without laying it out, that a line of printable Latin-1 characters fits the box: the sum of their
// advances, with room for kerning and rounding, is within the line's width. Anything else (tabs, other scripts)
// is left to the layout.
class LineFitWithoutLayout {
public:
    explicit LineFitWithoutLayout(const QFont& font) {
        const QFontMetricsF metrics(font);
        for (int c = 0; c < 256; ++c)
            m_advances[c] = IsPlainLatin1(c) ? metrics.horizontalAdvance(QChar(c)) : -1;
    }

    // Each line of the text, the lines ended by line separators, surely fits.
    bool SurelyFitsEachLine(const QString& text, qreal lineWidth) const {
        constexpr qreal kSlackPerCharacter = 0.5;
        constexpr qreal kSlack = 2;
        qreal width = kSlack;
        for (const QChar c : text) {
            if (c == QChar::LineSeparator) {
                width = kSlack;
                continue;
            }
            const qreal advance = c.unicode() < 256 ? m_advances[c.unicode()] : -1;
            if (advance < 0)
                return false;
            width += advance + kSlackPerCharacter;
            if (width > lineWidth)
                return false;
        }
        return true;
    }

private:
    static bool IsPlainLatin1(int c) { return (c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF && c != 0xAD); }

    qreal m_advances[256];
};

// Lines of a long description joined into one paragraph by line separators: the box shows and saves them as the
// same lines, and a paragraph costs Qt's document some three hundred bytes.
constexpr int kLinesPerParagraph = 64;

// Makes CR LF and a lone CR one line break, in one pass over the text in place (QString::replace moved the rest of
// a large text again for every thousand line ends); with grouped, all but every kLinesPerParagraph-th break become
// line separators. True when a run of more than kLongestUnbrokenRun characters without a blank is left.
bool NormaliseLineBreaks(QString& text, bool grouped) {
    QChar* const begin = text.data();
    const QChar* const end = begin + text.size();
    QChar* out = begin;
    int run = 0;
    int lines = 0;
    bool longRun = false;
    for (const QChar* in = begin; in < end; ++in) {
        QChar c = *in;
        if (c == QLatin1Char('\r')) {
            c = QLatin1Char('\n');
            if (in + 1 < end && in[1] == QLatin1Char('\n'))
                ++in;
        }
        if (c == QLatin1Char('\n') && grouped && ++lines % kLinesPerParagraph != 0)
            c = QChar::LineSeparator;
        run = EndsRun(c) ? 0 : run + 1;
        longRun = longRun || run > kLongestUnbrokenRun;
        *out++ = c;
    }
    text.truncate(out - begin);
    return longRun;
}

// A piece of text shown in one go: some milliseconds of work.
constexpr qsizetype kPieceLength = 64 * 1024;
// How long one turn of the event loop may show pieces before the window answers again.
constexpr qint64 kTurnMs = 40;

// Where the piece from from ends: after a paragraph's line break near its length, or at its length when the text
// has none there, which the next piece then continues (never between the two halves of a character).
qsizetype PieceEnd(const QString& text, qsizetype from) {
    const qsizetype limit = std::min(text.size(), from + kPieceLength);
    if (limit == text.size())
        return limit;
    const qsizetype lineBreak = text.lastIndexOf(QLatin1Char('\n'), limit - 1);
    if (lineBreak >= from)
        return lineBreak + 1;
    return text[limit].isLowSurrogate() ? limit - 1 : limit;
}

} // namespace

DescriptionBox::DescriptionBox(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("descriptionBox"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document()->setDocumentMargin(2);
    // Tab moves on to the price, as in every other field of the sheet; the description holds no tab characters.
    setTabChangesFocus(true);
}

QString DescriptionBox::DisplayedText() {
    ShowAllTextNow();
    auto* layout = qobject_cast<QPlainTextDocumentLayout*>(document()->documentLayout());
    const LineFitWithoutLayout fit(font());
    qreal lineWidth = -1; // the width a line may take, read from the first block laid out
    QString lines;
    lines.reserve(document()->characterCount() + 2 * document()->blockCount());
    bool lastLineEmpty = false;
    const auto append = [&lines, &lastLineEmpty](QStringView line) {
        lines.append(line);
        lines.append(QLatin1String("\r\n"));
        lastLineEmpty = line.isEmpty();
    };
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        // A block whose lines surely fit needs no layout to be known as those lines: laying out every block of a
        // large description took seconds and a few hundred bytes a block.
        if (lineWidth >= 0 && fit.SurelyFitsEachLine(text, lineWidth)) {
            for (const QStringView line : QStringView(text).split(QChar::LineSeparator))
                append(line);
            continue;
        }
        if (layout)
            layout->ensureBlockLayout(block);
        const QTextLayout* textLayout = block.layout();
        if (!textLayout || textLayout->lineCount() == 0) {
            append(text);
            continue;
        }
        lineWidth = textLayout->lineAt(0).width();
        for (int i = 0; i < textLayout->lineCount(); ++i) {
            const QTextLine line = textLayout->lineAt(i);
            QStringView shown = QStringView(text).mid(line.textStart(), line.textLength());
            // A line ended by a line separator shows no character for it.
            if (shown.endsWith(QChar::LineSeparator))
                shown.chop(1);
            append(shown);
        }
    }
    if (lastLineEmpty)
        lines.chop(2);
    return lines;
}

void DescriptionBox::SetLines(const QStringList& lines) {
    SetText(lines.join(QLatin1Char('\n')));
}

void DescriptionBox::SetText(QString text) {
    if (NormaliseLineBreaks(text, text.size() > kPieceLength))
        text = WithLongRunsBroken(text);
    m_unshownPieces.clear();
    setUndoRedoEnabled(true);
    if (text.size() <= kPieceLength) {
        setPlainText(text);
        return;
    }
    // A description far longer than any real one would freeze the window for seconds: its first piece is shown
    // at once and the rest piece by piece in the turns of the event loop that follow (undo starts once all of it
    // is in). Each piece is let go once shown, so that the text is not held twice, in the pieces and in the box.
    QStringList pieces;
    for (qsizetype from = 0, end = 0; from < text.size(); from = end) {
        end = PieceEnd(text, from);
        pieces.append(text.mid(from, end - from));
    }
    text = QString();
    setPlainText(pieces.takeFirst());
    setUndoRedoEnabled(false);
    m_unshownPieces = std::move(pieces);
    QTimer::singleShot(0, this, &DescriptionBox::ShowMoreText);
}

void DescriptionBox::ShowMoreText() {
    QElapsedTimer turn;
    turn.start();
    while (!m_unshownPieces.isEmpty() && !turn.hasExpired(kTurnMs))
        ShowNextPiece();
    if (!m_unshownPieces.isEmpty())
        QTimer::singleShot(0, this, &DescriptionBox::ShowMoreText);
}

void DescriptionBox::ShowAllTextNow() {
    while (!m_unshownPieces.isEmpty())
        ShowNextPiece();
}

void DescriptionBox::ShowNextPiece() {
    QTextCursor atEnd(document());
    atEnd.movePosition(QTextCursor::End);
    atEnd.insertText(m_unshownPieces.takeFirst());
    if (m_unshownPieces.isEmpty())
        setUndoRedoEnabled(true);
}

bool DescriptionBox::event(QEvent* event) {
    if (!m_unshownPieces.isEmpty() && (event->type() == QEvent::KeyPress || event->type() == QEvent::InputMethod))
        ShowAllTextNow();
    return QPlainTextEdit::event(event);
}

bool DescriptionBox::canInsertFromMimeData(const QMimeData* source) const {
    return source && source->hasText();
}

void DescriptionBox::insertFromMimeData(const QMimeData* source) {
    ShowAllTextNow();
    if (source && source->hasText())
        QPlainTextEdit::insertFromMimeData(source);
}
