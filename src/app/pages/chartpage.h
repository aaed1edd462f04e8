#pragma once

// The graphic chart page: the board that shows the chosen template drawn
// with the person's numbers, the template chooser and the buttons that edit,
// create and delete templates. Its widgets live in the report frame.
//
// The chooser lists two kinds of template: those shipped with the program
// (read-only, beside it) and the user's own (the designer's save folder).
// When the user has some of his own, the two groups stand under headings of
// their own; only the user's own can be deleted. The choice is kept by path
// for as long as the window lives, across every reload of the list.

#include "charts/chartdatacontext.h"
#include "charts/charttemplates.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class CPainterBoard;
class CSkinManager;
class QComboBox;
class QLabel;
class QPushButton;
class QRect;
class QWidget;

class CChartPage : public QObject
{
    Q_OBJECT
public:
    // Asks a yes/no question; 0 for "Yes", anything else for "No".
    using Asker = std::function<int(const QString &title, const QString &text)>;

    // The folders default to the program's and the user's template folders.
    CChartPage(QWidget *reportFrame, const CSkinManager *skin, const QString &shippedFolder = QString(),
               const QString &userFolder = QString());

    CPainterBoard *board() const { return m_board; }
    QComboBox *chooser() const { return m_chooser; }
    QPushButton *deleteButton() const { return m_buttons[2]; }
    void setVisible(bool visible);
    void applyStyle(const CSkinManager *skin);
    // Places the controls under the board in a report area of this size.
    void layout(const QRect &report, bool current);

    // --- templates ---
    // Lists the templates again and chooses select (a template's path)
    // when given and listed, else the template chosen before, else the
    // first. The board draws the chosen one afresh.
    void reloadTemplates(const QString &select = QString());
    // The chosen template's path; empty when there is none.
    QString currentTemplateFile() const;
    // Whether the chosen template is the user's own (and can be deleted).
    bool currentIsUserTemplate() const;
    // The chosen template's name as the chooser shows it.
    QString currentTemplateName() const;
    // Asks, then deletes the chosen template when it is the user's own and
    // the answer is yes. True when a file was deleted.
    bool deleteCurrentTemplate();
    void setAsker(Asker asker) { m_ask = std::move(asker); }

    // --- the picture ---
    // The person data the chart draws; without a person (data.person null)
    // the board shows what to do instead. The board draws afresh.
    void setChartData(const ChartDataContext &data);
    // The person data in force, as the designer is given it.
    const ChartDataContext &chartData() const { return m_data; }
    // The chosen template drawn for the person at a requested size (0 x 0:
    // the export's size, four times the page's pixels). Null when there is
    // no person, no template, or the template cannot be read; why then says
    // so, headline first.
    QImage chartPicture(const QSize &requested, QString *why = nullptr) const;
    // The picture "Save Report" saves and the combined PDF ends with.
    QImage exportPicture() const { return chartPicture(QSize(0, 0)); }

signals:
    void templateChosen(int index);
    void editRequested();
    void newRequested();
    void deleteRequested();

private:
    void addGroup(const QString &heading, const QList<ChartTemplateEntry> &entries, bool withHeading);
    void chooserChanged(int index);
    void updateButtons();
    void colourHeadings();
    int firstTemplateIndex() const;
    int indexOfPath(const QString &path) const;

    const CSkinManager *m_skin;
    QString m_shippedFolder;
    QString m_userFolder;
    ChartDataContext m_data;
    QString m_chosenPath; // kept while the list is rebuilt
    Asker m_ask;

    CPainterBoard *m_board;
    QLabel *m_label;
    QComboBox *m_chooser;
    QPushButton *m_buttons[3] = {};
};
