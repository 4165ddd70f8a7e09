#include "QtMessageBoxes.h"

#include "FixedSize.h"

#include <QMessageBox>
#include <QString>

namespace velk::qt {

void QtMessageBoxes::Show(const std::wstring& text, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QString::fromStdWString(kApplicationTitle), QString::fromStdWString(text), QMessageBox::Ok);
    // Shown as plain text: a title or news item from the settings file is
    // never interpreted as markup.
    box.setTextFormat(Qt::PlainText);
    KeepFixedSize(&box);
    box.exec();
}

}  // namespace velk::qt
