#include "text_box.h"

#include "code_point_limit.h"

#include <QMouseEvent>

#include <utility>

namespace app::qt {

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
    setValidator(new CodePointLimit(limit, this));
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
    const int room = limit_ - CodePointLimit::characterCount(current) +
                     CodePointLimit::characterCount(QStringView(current).sliced(start, replaced));
    const QStringView fits = CodePointLimit::leadingCharacters(inserted, room);
    if (!fits.isEmpty())
        insert(fits.toString());
}

void TextBox::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

}  // namespace app::qt
