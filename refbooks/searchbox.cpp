#include "searchbox.h"
#include "dataset.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace SearchBox {

bool handleKey(QKeyEvent *key, Dataset &list)
{
    switch (key->key()) {
    case Qt::Key_Up:
        list.prior();
        return true;
    case Qt::Key_Down:
        list.next();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Backspace:
        return false;
    default:
        break;
    }
    if (key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Undo) || key->matches(QKeySequence::SelectAll))
        return false;
    const QString text = key->text();
    return text.isEmpty() || !text.at(0).isPrint();
}

} // namespace SearchBox
