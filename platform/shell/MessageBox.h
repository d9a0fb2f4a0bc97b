// Message boxes with the product's captions, icons and Vietnamese buttons, inside the device frame.
#pragma once

#include "platform/shell/DialogResults.h"

#include <QDialog>
#include <QString>
#include <vector>

class QPushButton;

namespace velmora::shell {

// Type flags as the device's message box flags.
enum MessageBoxFlag : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
    MB_SETFOREGROUND = 0x10000,
    MB_TOPMOST = 0x40000,
};

struct MessageButton {
    int id;
    QString text;
};

// The buttons a type asks for, in the order shown ("OK", "Có", "Không", "Hủy").
std::vector<MessageButton> messageButtons(unsigned type);

class MessageBoxDialog : public QDialog {
    Q_OBJECT
  public:
    MessageBoxDialog(QWidget* owner, const QString& text, const QString& caption, unsigned type);

    QString text() const { return text_; }
    QString caption() const { return caption_; }
    unsigned type() const { return type_; }
    QList<QPushButton*> buttons() const { return buttons_; }
    // Presses the button with that id, as a tap would.
    bool press(int id);

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void place();
    QString text_;
    QString caption_;
    unsigned type_;
    QList<QPushButton*> buttons_;
    QWidget* frame_;
};

// Shows the box modally and returns IDOK, IDCANCEL, IDYES or IDNO.
int messageBox(QWidget* owner, const QString& text, const QString& caption, unsigned type);

} // namespace velmora::shell
