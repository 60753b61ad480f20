// Private records of the flag panels.
#pragma once

#include <QColor>
#include <QList>

class QFrame;
class QGridLayout;
class QLabel;
class QWidget;

namespace rilo {
namespace widget {

// Shared by every flag panel; subclasses extend it, so the destructor is
// virtual and the panel deletes the record through this base.
class FlagPanelPrivate
{
public:
    FlagPanelPrivate() = default;
    virtual ~FlagPanelPrivate() = default;

    QLabel *titleLabel = nullptr;    // created by the first setTitle()
    QList<QWidget *> flags;          // creation order; a flag's index is its position
    QFrame *splitLine = nullptr;     // the line under the title
    QGridLayout *mainLayout = nullptr; // title, split line, flag row; installed on the panel
    QGridLayout *flagLayout = nullptr; // the flag row, a child layout of mainLayout
    QColor splitLineColor;           // invalid until the constructor sets it

private:
    Q_DISABLE_COPY(FlagPanelPrivate)
};

class FlagPanelStatePrivate : public FlagPanelPrivate
{
public:
    QColor enableColor;  // colour of a true flag
    QColor disableColor; // colour of a false flag
};

} // namespace widget
} // namespace rilo
