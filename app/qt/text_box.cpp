#include "text_box.h"

#include "text_units.h"

#include <app/text.h>

#include <QMouseEvent>
#include <QValidator>

#include <utility>

namespace app::qt {
namespace {

// Refuses an edit that would take the box beyond its limit, whole, so that
// the box undoes it and keeps its undo history.
class CharacterLimit : public QValidator {
public:
    CharacterLimit(int limit, QObject* parent) : QValidator(parent), limit_(limit) {}

    State validate(QString& input, int&) const override
    {
        return characterCount(unitsOf(input)) <= limit_ ? Acceptable : Invalid;
    }

private:
    int limit_;
};

}  // namespace

// Numbers are typed straight in: an input method's candidates and
// full-width forms have no place here.
TextBox::TextBox(QWidget* parent) : QLineEdit(parent)
{
    setAttribute(Qt::WA_InputMethodEnabled, false);
    // Emitted while the box still holds the refused text, just before it undoes the edit.
    connect(this, &QLineEdit::inputRejected, this, [this] { refused_ = text(); });
}

// QLineEdit answers that it takes an input method whatever the attribute says.
QVariant TextBox::inputMethodQuery(Qt::InputMethodQuery query) const
{
    return query == Qt::ImEnabled ? QVariant(false) : QLineEdit::inputMethodQuery(query);
}

void TextBox::setCharacterLimit(int limit)
{
    limit_ = limit;
    setValidator(new CharacterLimit(limit, this));
}

// Every edit a user makes arrives as an event; once the box has undone a
// refused one, the part that fits goes in as an edit of its own.
bool TextBox::event(QEvent* event)
{
    const bool handled = QLineEdit::event(event);
    insertWhatFits();
    return handled;
}

void TextBox::insertWhatFits()
{
    if (!refused_)
        return;
    const QString refused = *std::exchange(refused_, std::nullopt);
    // The refused edit replaced the selection, or went in at the caret; the undo restored both.
    const QString current = text();
    const qsizetype start = hasSelectedText() ? selectionStart() : cursorPosition();
    const qsizetype replaced = hasSelectedText() ? selectionLength() : 0;
    const qsizetype insertedSize = refused.size() - (current.size() - replaced);
    if (insertedSize <= 0)
        return;
    const QStringView before = QStringView(current).first(start);
    const QStringView after = QStringView(current).sliced(start + replaced);
    if (!refused.startsWith(before) || !refused.endsWith(after))
        return;  // not an insertion there: leave the refusal as it is
    const QStringView inserted = QStringView(refused).sliced(start, insertedSize);
    const std::size_t fits =
        fittingUnits(unitsOf(current), std::size_t(start), std::size_t(start + replaced), unitsOf(inserted), limit_);
    if (fits > 0)
        insert(inserted.first(qsizetype(fits)).toString());
}

void TextBox::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

}  // namespace app::qt
