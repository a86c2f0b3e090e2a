#include "code_point_limit.h"

namespace app::qt {
namespace {

bool isPairAt(QStringView text, qsizetype index)
{
    return index + 1 < text.size() && text[index].isHighSurrogate() && text[index + 1].isLowSurrogate();
}

}  // namespace

CodePointLimit::CodePointLimit(int limit, QObject* parent) : QValidator(parent), limit_(limit) {}

int CodePointLimit::characterCount(QStringView text)
{
    int count = 0;
    for (qsizetype i = 0; i < text.size(); i += isPairAt(text, i) ? 2 : 1)
        ++count;
    return count;
}

qsizetype CodePointLimit::utf16Offset(QStringView text, int characters)
{
    qsizetype offset = 0;
    for (; characters > 0 && offset < text.size(); --characters)
        offset += isPairAt(text, offset) ? 2 : 1;
    return offset;
}

QValidator::State CodePointLimit::validate(QString& input, int& pos) const
{
    int excess = characterCount(input) - limit_;
    if (excess <= 0)
        return Acceptable;
    // Remove whole characters ending at the caret: what was just typed or pasted.
    qsizetype end = pos;
    if (end > 0 && end < input.size() && isPairAt(input, end - 1))
        ++end;  // the caret sits inside a pair; keep it whole
    qsizetype start = end;
    while (excess > 0 && start > 0) {
        start -= (start >= 2 && isPairAt(input, start - 2)) ? 2 : 1;
        --excess;
    }
    input.remove(start, end - start);
    pos = int(start);
    if (excess > 0) {  // the caret was too near the start: trim the end instead
        qsizetype cut = input.size();
        while (excess > 0 && cut > 0) {
            cut -= (cut >= 2 && isPairAt(input, cut - 2)) ? 2 : 1;
            --excess;
        }
        input.truncate(cut);
        pos = std::min(pos, int(cut));
    }
    return Acceptable;
}

}  // namespace app::qt
