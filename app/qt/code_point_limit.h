#pragma once

#include <QValidator>

namespace app::qt {

// Holds a text box to at most `limit` characters, counting a character outside
// the Basic Multilingual Plane (a surrogate pair) as one. An edit that would
// go beyond the limit is refused whole, so the box undoes it and keeps its
// undo history; TextBox then inserts the part of it that fits.
class CodePointLimit : public QValidator {
    Q_OBJECT
public:
    CodePointLimit(int limit, QObject* parent);

    State validate(QString& input, int& pos) const override;

    // The number of characters of `text`, a surrogate pair counting as one.
    static int characterCount(QStringView text);

    // The first `count` characters of `text`, never splitting a pair; none for
    // a count below one.
    static QStringView leadingCharacters(QStringView text, int count);

private:
    int limit_;
};

}  // namespace app::qt
