// SPDX-License-Identifier: MIT
#include "platform/TextDrawing.h"

#include "platform/Accelerator.h"

#include <QPainter>
#include <algorithm>

namespace maskwell {

namespace {

const QString kEllipsis = QStringLiteral("...");

// A piece of text with the index of its underlined character (or -1).
struct Piece {
    QString text;
    qsizetype underline = -1;
};

Piece Slice(const Piece& piece, qsizetype start, qsizetype length) {
    const qsizetype underline = piece.underline - start;
    return {piece.text.mid(start, length), underline >= 0 && underline < length ? underline : -1};
}

int TabWidth(const QFontMetrics& metrics) {
    return std::max(1, 8 * metrics.averageCharWidth());
}

// Calls visit(segment, index of its first character, x) for each run of the
// line between tabs and returns the line's width. Without expanded tabs the
// line has no tab left in it.
template <typename Visit>
int WalkSegments(const QFontMetrics& metrics, const QString& line, Visit&& visit) {
    int x = 0;
    qsizetype start = 0;
    for (;;) {
        const qsizetype tab = line.indexOf(u'\t', start);
        const QString segment = line.mid(start, tab < 0 ? -1 : tab - start);
        visit(segment, start, x);
        x += metrics.horizontalAdvance(segment);
        if (tab < 0)
            return x;
        const int tabWidth = TabWidth(metrics);
        x = (x / tabWidth + 1) * tabWidth;
        start = tab + 1;
    }
}

int LineWidth(const QFontMetrics& metrics, const QString& line) {
    return WalkSegments(metrics, line, [](const QString&, qsizetype, int) {});
}

std::vector<Piece> SplitLines(const Piece& text, bool singleLine) {
    if (singleLine) {
        Piece flat = text;
        for (QChar& c : flat.text)
            if (c == u'\r' || c == u'\n')
                c = u' ';
        return {flat};
    }
    std::vector<Piece> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.text.size(); ++i) {
        const QChar c = text.text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.push_back(Slice(text, start, i - start));
        if (c == u'\r' && i + 1 < text.text.size() && text.text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    lines.push_back(Slice(text, start, text.text.size() - start));
    return lines;
}

// Greedy word break: each line takes as many words as fit, at least one.
void AppendWrapped(const QFontMetrics& metrics, const Piece& line, int width,
                   std::vector<Piece>& out) {
    const QString& text = line.text;
    const qsizetype size = text.size();
    qsizetype start = 0;
    for (;;) {
        qsizetype end = -1;
        for (qsizetype e = start + 1; e <= size; ++e) {
            const bool wordEnd = e == size || (text[e] == u' ' && text[e - 1] != u' ');
            if (!wordEnd)
                continue;
            if (end >= 0 && LineWidth(metrics, text.mid(start, e - start)) > width)
                break;
            end = e;
        }
        if (end < 0) // nothing but spaces left
            end = size;
        out.push_back(Slice(line, start, end - start));
        start = end;
        while (start < size && text[start] == u' ')
            ++start;
        if (start >= size)
            return;
    }
}

Piece EndEllipsis(const QFontMetrics& metrics, const Piece& line, int width) {
    qsizetype keep = line.text.size() - 1;
    while (keep > 0 && LineWidth(metrics, line.text.left(keep) + kEllipsis) > width)
        --keep;
    keep = std::max<qsizetype>(keep, 0);
    return {line.text.left(keep) + kEllipsis, line.underline < keep ? line.underline : -1};
}

Piece PathEllipsis(const QFontMetrics& metrics, const Piece& line, int width) {
    const qsizetype separator = std::max(line.text.lastIndexOf(u'\\'), line.text.lastIndexOf(u'/'));
    if (separator <= 0)
        return EndEllipsis(metrics, line, width);
    const QString tail = line.text.mid(separator);
    qsizetype keep = separator - 1;
    while (keep > 0 && LineWidth(metrics, line.text.left(keep) + kEllipsis + tail) > width)
        --keep;
    qsizetype underline = -1;
    if (line.underline >= 0 && line.underline < keep)
        underline = line.underline;
    else if (line.underline >= separator)
        underline = line.underline - separator + keep + kEllipsis.size();
    return {line.text.left(keep) + kEllipsis + tail, underline};
}

void DrawLine(QPainter& painter, const TextLine& line) {
    const QFontMetrics metrics = painter.fontMetrics();
    const int baseline = line.origin.y() + metrics.ascent();
    WalkSegments(metrics, line.text, [&](const QString& segment, qsizetype start, int x) {
        painter.drawText(QPoint(line.origin.x() + x, baseline), segment);
        const qsizetype underline = line.underline - start;
        if (underline < 0 || underline >= segment.size())
            return;
        const int left = line.origin.x() + x + metrics.horizontalAdvance(segment.left(underline));
        const int charWidth = metrics.horizontalAdvance(segment[underline]);
        painter.fillRect(QRect(left, baseline + metrics.underlinePos(), charWidth,
                               std::max(1, metrics.lineWidth())),
                         painter.pen().color());
    });
}

} // namespace

TextLayout LayoutText(const QFontMetrics& metrics, const QString& text, const QRect& rect,
                      unsigned flags) {
    Piece whole;
    if (flags & DT_NOPREFIX) {
        whole.text = text;
    } else {
        PrefixedText stripped = StripAcceleratorPrefix(text);
        whole = {std::move(stripped.text), stripped.underline};
    }
    if (!(flags & DT_EXPANDTABS))
        whole.text.replace(u'\t', u' ');

    const bool singleLine = flags & DT_SINGLELINE;
    std::vector<Piece> lines;
    for (const Piece& line : SplitLines(whole, singleLine)) {
        if ((flags & DT_WORDBREAK) && !singleLine)
            AppendWrapped(metrics, line, rect.width(), lines);
        else
            lines.push_back(line);
    }

    TextLayout layout;
    layout.lineHeight = metrics.height();
    const int textHeight = static_cast<int>(lines.size()) * layout.lineHeight;
    int top = rect.y();
    if (singleLine && (flags & DT_VCENTER))
        top += (rect.height() - textHeight) / 2;
    else if (singleLine && (flags & DT_BOTTOM))
        top += rect.height() - textHeight;

    int widest = 0;
    for (Piece& piece : lines) {
        if (LineWidth(metrics, piece.text) > rect.width()) {
            if (flags & DT_PATH_ELLIPSIS)
                piece = PathEllipsis(metrics, piece, rect.width());
            else if (flags & DT_END_ELLIPSIS)
                piece = EndEllipsis(metrics, piece, rect.width());
        }
        TextLine line{piece.text, piece.underline, {}, LineWidth(metrics, piece.text)};
        int left = rect.x();
        if (flags & DT_CENTER)
            left += (rect.width() - line.width) / 2;
        else if (flags & DT_RIGHT)
            left += rect.width() - line.width;
        line.origin = QPoint(left, top);
        top += layout.lineHeight;
        widest = std::max(widest, line.width);
        layout.lines.push_back(std::move(line));
    }
    layout.extent = QSize(widest, textHeight);
    return layout;
}

int DrawText(QPainter& painter, const QString& text, QRect& rect, unsigned flags) {
    const TextLayout layout = LayoutText(painter.fontMetrics(), text, rect, flags);
    if (flags & DT_CALCRECT) {
        rect.setSize(layout.extent);
        return layout.extent.height();
    }
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    for (const TextLine& line : layout.lines)
        DrawLine(painter, line);
    painter.restore();
    return layout.extent.height();
}

void TextOut(QPainter& painter, int x, int y, const QString& text) {
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

QSize TextExtent(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

} // namespace maskwell
