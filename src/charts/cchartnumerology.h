#pragma once

// The chart data of the main window: the chart picture the combined PDF
// prints. Setting a picture stores it and makes the working picture a
// white copy of its size with the stored picture drawn on it; the reset
// (run with every calculation and the reset button) draws the stored
// picture onto the working picture again.

#include <QImage>
#include <QObject>

class CChartNumerology : public QObject
{
    Q_OBJECT
public:
    explicit CChartNumerology(QObject *parent = nullptr);

    void SetPicture(const QImage &picture);
    void ResetChart();

    const QImage &picture() const { return m_picture; }
    const QImage &workingPicture() const { return m_working; }
    QImage &workingPicture() { return m_working; }

private:
    void drawStoredOnWorking();

    QImage m_picture;
    QImage m_working;
};
