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

QStringView CodePointLimit::leadingCharacters(QStringView text, int count)
{
    qsizetype end = 0;
    for (int taken = 0; taken < count && end < text.size(); ++taken)
        end += isPairAt(text, end) ? 2 : 1;
    return text.first(end);
}

QValidator::State CodePointLimit::validate(QString& input, int&) const
{
    return characterCount(input) <= limit_ ? Acceptable : Invalid;
}

}  // namespace app::qt
