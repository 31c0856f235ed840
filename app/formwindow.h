// A window that exists once for the whole run and is loaded and unloaded like
// a form: showForm() builds its controls afresh and runs its load handler when
// it is not loaded, and only raises it when it is; closing it unloads it and
// discards its controls. Public members of a window outlive its loads.
#pragma once

#include <QWidget>

class FormWindow : public QWidget
{
    Q_OBJECT
public:
    void showForm();
    void unloadForm();
    bool isLoaded() const { return m_form != nullptr; }

protected:
    FormWindow(const QString &caption, const QSize &clientSize);

    // The controls as they are before the load handler runs, on the given form.
    virtual void createControls(QWidget *form) = 0;
    virtual void Form_Load() = 0;
    // After the controls are discarded: what the window holds beyond them may go.
    virtual void Form_Unload() { }
    // The enabled button with the lowest tab index, which holds the focus on opening.
    virtual QWidget *firstFocus() const = 0;

    void closeEvent(QCloseEvent *event) override;

private:
    void discardControls();

    QWidget *m_form = nullptr;
};
