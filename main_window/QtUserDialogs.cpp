#include "QtUserDialogs.h"

#include <QMessageBox>

namespace velista {

void QtUserDialogs::Critical(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox::critical(parent, title, text, QMessageBox::Ok);
}

}  // namespace velista
