// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class Form;
class SegmentPicture;

// A window that shows a form: its controls made from the form's design, showing its state,
// and what the user does handed to the form. It holds none of the window's behaviour.
class QtWindow : public QWidget
{
    Q_OBJECT

public:
    explicit QtWindow(Form &form, QWidget *parent = nullptr);
    ~QtWindow() override;

    Form &form() const { return m_form; }
    QWidget *control(std::size_t index) const { return m_controls[index]; }
    // The controls that the design names as labels of `control`.
    std::vector<QWidget *> labelsOf(const QWidget *control) const;
    // A window with a default button reads as a dialog.
    bool isDialog() const { return m_defaultButton.has_value(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void makeOptionGroups();
    void connectControl(std::size_t index);
    void controlChanged(std::size_t index);
    void showControl(std::size_t index);
    void focusFirstControl();

    Form &m_form;
    std::vector<QWidget *> m_controls;
    std::optional<std::size_t> m_defaultButton;
    std::unique_ptr<SegmentPicture> m_picture;
};
