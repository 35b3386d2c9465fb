#pragma once

// Unit3: the help window with its fixed how-to text. A click in the text hides it; the
// scroll bar and the keys still scroll.

#include <QWidget>

class QPlainTextEdit;

namespace kerolt {

class TForm3 : public QWidget {
    Q_OBJECT
  public:
    explicit TForm3(QWidget* parent = nullptr);

    void Memo1Click();

    QPlainTextEdit* Memo1 = nullptr;
};

}  // namespace kerolt
