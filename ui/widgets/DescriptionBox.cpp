#include "ui/widgets/DescriptionBox.h"

#include <QMimeData>
#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>

namespace {

constexpr int kLongestUnbrokenRun = 256;

bool EndsRun(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QChar::LineSeparator;
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

QStringList DescriptionBox::DisplayedLines() const {
    auto* layout = qobject_cast<QPlainTextDocumentLayout*>(document()->documentLayout());
    QStringList lines;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (layout)
            layout->ensureBlockLayout(block);
        const QString text = block.text();
        const QTextLayout* textLayout = block.layout();
        if (!textLayout || textLayout->lineCount() == 0) {
            lines.append(text);
            continue;
        }
        for (int i = 0; i < textLayout->lineCount(); ++i) {
            const QTextLine line = textLayout->lineAt(i);
            lines.append(text.mid(line.textStart(), line.textLength()));
        }
    }
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

void DescriptionBox::SetLines(const QStringList& lines) {
    SetText(lines.join(QLatin1Char('\n')));
}

void DescriptionBox::SetText(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(WithLongRunsBroken(text));
}

bool DescriptionBox::canInsertFromMimeData(const QMimeData* source) const {
    return source && source->hasText();
}

void DescriptionBox::insertFromMimeData(const QMimeData* source) {
    if (source && source->hasText())
        QPlainTextEdit::insertFromMimeData(source);
}
