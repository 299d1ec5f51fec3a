// SPDX-License-Identifier: GPL-3.0-or-later
#include "hiscores/ini_sections.h"

#include <optional>

namespace korvex::ini_sections {
namespace {

struct Line {
    qsizetype begin = 0, end = 0;  // end: past its line break
    QByteArray content;            // without the break, a carriage return or leading blanks
};

std::vector<Line> linesOf(const QByteArray& text) {
    std::vector<Line> lines;
    // A byte order mark belongs to no line.
    const qsizetype start = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    for (qsizetype at = start; at < text.size();) {
        const qsizetype newline = text.indexOf('\n', at);
        const qsizetype end = newline < 0 ? text.size() : newline + 1;
        QByteArray content = text.mid(at, (newline < 0 ? text.size() : newline) - at);
        if (content.endsWith('\r')) content.chop(1);
        lines.push_back({at, end, content.trimmed()});
        at = end;
    }
    return lines;
}

// The section a header line names, or nothing for any other line.
std::optional<QString> headerOf(const QByteArray& content) {
    if (!content.startsWith('[')) return std::nullopt;
    const qsizetype close = content.indexOf(']');
    return QString::fromUtf8(content.mid(1, (close < 0 ? content.size() : close) - 1).trimmed());
}

}  // namespace

std::vector<Span> spansOf(const QByteArray& text, const QString& section) {
    std::vector<Span> spans;
    bool inside = false, continued = false;
    qsizetype lastFilled = 0;  // end of the section's last line that is not blank
    for (const Line& line : linesOf(text)) {
        const std::optional<QString> header = continued ? std::nullopt : headerOf(line.content);
        if (header) {
            if (inside) spans.back().end = lastFilled;
            inside = *header == section;
            if (inside) spans.push_back({line.begin, line.end});
        }
        if (!line.content.isEmpty()) lastFilled = line.end;
        // A value ending in a backslash goes on in the next line, whatever that line holds.
        const bool comment = line.content.startsWith(';') || line.content.startsWith('#');
        continued = !header && !comment && line.content.endsWith('\\');
    }
    if (inside) spans.back().end = lastFilled;
    return spans;
}

QByteArray replaced(const QByteArray& text, const std::vector<Span>& spans,
                    const QByteArray& replacement) {
    if (spans.empty()) {
        QByteArray out = text;
        if (!out.isEmpty() && !out.endsWith('\n')) out += '\n';
        if (!out.isEmpty() && !replacement.isEmpty()) out += '\n';
        return out + replacement;
    }
    QByteArray out = text.left(spans.front().begin);
    out += replacement;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const qsizetype next = i + 1 < spans.size() ? spans[i + 1].begin : text.size();
        out += text.mid(spans[i].end, next - spans[i].end);
    }
    return out;
}

}  // namespace korvex::ini_sections
