#pragma once

class Dataset;
class QKeyEvent;

// The keys of a list window's search box: Up and Down move the list's
// current row; typed characters and Backspace edit the text; Enter and Esc
// go on to the window's default and cancel buttons and Tab to the next
// control; every other key (cursor keys, Delete) is swallowed. True when the
// box must not see the key.
namespace SearchBox {
bool handleKey(QKeyEvent *key, Dataset &list);
}
