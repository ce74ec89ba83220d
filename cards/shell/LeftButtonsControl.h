// The main window's left panel: the login, clear-all and remove buttons over the panel's art.
#pragma once

#include <QWidget>

class RollButton;

class LeftButtonsControl : public QWidget {
    Q_OBJECT

public:
    explicit LeftButtonsControl(QWidget* parent = nullptr);

    RollButton* btnMain = nullptr;
    RollButton* btnClearAll = nullptr;
    RollButton* btnRemove = nullptr;

signals:
    void Login();
    void ClearAll();
    void Remove();
};
