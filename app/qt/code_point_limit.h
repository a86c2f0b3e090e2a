#pragma once

#include <QValidator>

namespace app::qt {

// Holds a text box to at most `limit` characters, counting a character outside
// the Basic Multilingual Plane (a surrogate pair) as one and never splitting it.
// Typing beyond the limit is refused; of a paste only the part that fits is kept:
// the excess is removed just before the caret, where the new text ends.
class CodePointLimit : public QValidator {
    Q_OBJECT
public:
    CodePointLimit(int limit, QObject* parent);

    State validate(QString& input, int& pos) const override;

    // The number of characters of `text`, a surrogate pair counting as one.
    static int characterCount(QStringView text);

    // The UTF-16 offset after the first `characters` characters of `text`, or
    // its end when it has fewer.
    static qsizetype utf16Offset(QStringView text, int characters);

private:
    int limit_;
};

}  // namespace app::qt
