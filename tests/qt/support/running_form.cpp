#include "running_form.h"

#include <QTest>

namespace zanfira::qttest {

RunningForm::RunningForm() : form_(toolkit_)
{
    form_.show();
}

QMainWindow &RunningForm::window() const
{
    return *toolkit_.window();
}

QPushButton &RunningForm::cell(int index) const
{
    return find<QPushButton>(QString::fromUtf8(puzzle::cellNames.at(index)));
}

QAction &RunningForm::action(const QString &name) const
{
    return find<QAction>(name);
}

Captions RunningForm::captions() const
{
    Captions captions;
    for (int index = 0; index < puzzle::cellCount; ++index) {
        captions.at(index) = cell(index).text().toStdString();
    }
    return captions;
}

void RunningForm::click(int index) const
{
    QTest::mouseClick(&cell(index), Qt::LeftButton);
}

} // namespace zanfira::qttest
