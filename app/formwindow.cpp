#include "formwindow.h"

#include "formcontrols.h"
#include "icons.h"

#include <QCloseEvent>

FormWindow::FormWindow(const QString &caption, const QSize &clientSize)
    : QWidget(nullptr,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(caption);
    setWindowIcon(programIcon());
    setFixedSize(clientSize);
    setFont(formFont(9));
}

void FormWindow::showForm()
{
    if (isLoaded()) {
        raise();
        activateWindow();
        return;
    }
    m_form = new QWidget(this);
    m_form->setObjectName(QStringLiteral("form"));
    m_form->setGeometry(rect());
    createControls(m_form);
    Form_Load();
    // The load handler may have unloaded the window again.
    if (!isLoaded())
        return;
    show();
    if (QWidget *focus = firstFocus())
        focus->setFocus();
    raise();
    activateWindow();
}

void FormWindow::unloadForm()
{
    if (isVisible())
        close();
    else
        discardControls();
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    discardControls();
    event->accept();
}

void FormWindow::discardControls()
{
    if (!m_form)
        return;
    // A click handler may be closing its own window: delete later, but take the
    // controls out of the window at once so a new load never meets them.
    m_form->hide();
    m_form->setParent(nullptr);
    m_form->deleteLater();
    m_form = nullptr;
    Form_Unload();
}
