#pragma once

#include "engine/messagereporter.h"

class QWidget;

// Shows the core's failures as the window's modal message boxes.
class CMessageBoxReporter : public CMessageReporter
{
public:
    explicit CMessageBoxReporter(QWidget *parent) : m_parent(parent) {}
    void critical(const QString &title, const QString &text) override;
    // The text can be selected, so a path or an address can be copied.
    void information(const QString &title, const QString &text) override;

private:
    QWidget *m_parent;
};
