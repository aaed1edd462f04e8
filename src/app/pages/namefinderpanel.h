#pragma once

// The "Find names" section of the Name Advisor page: the constraints, the
// mode (names from the given-name list before a surname, spelling variants
// of a name, or the names of a list file), and a sortable result table. It
// lies over the page's report while it is open. The work is the core's name
// finder (names/namefinder.h); this is its form and its table.

#include "names/namefinder.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QWidget>

#include <memory>

class CSkinManager;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QSpinBox;
class QTableView;

// The results as table rows; the tool tip of a row shows its calculation lines.
class CNameResultModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Name, Edit, Expression, HeartsDesire, Personality, LifePath, Bridge, KarmicDebt, Popularity,
                  Gender, ColumnCount };
    using QAbstractTableModel::QAbstractTableModel;

    void setResults(const NameFinder *finder, QVector<NameResult> results);
    const QVector<NameResult> &results() const { return m_results; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const NameFinder *m_finder = nullptr;
    QVector<NameResult> m_results;
};

class CNameFinderPanel : public QWidget
{
    Q_OBJECT
public:
    explicit CNameFinderPanel(QWidget *parent);

    // The advisor's date (the client's birth date; the empty date means
    // none) and letter table, read at each search.
    void setAdvisorInput(const QDate &birthDate, bool chaldean);
    // The calculation options of the window's settings, which the names'
    // numbers follow as the advisor's do.
    void setCalcOptions(const CalcOptions &options) { m_options = options; }
    void applyStyle(const CSkinManager *skin);

    // Runs the search of the form; false with a message when the form is
    // incomplete or the list cannot be read.
    bool search();
    const CNameResultModel &model() const { return m_model; }
    QTableView *table() const { return m_table; }

signals:
    void nameChosen(const QString &name);
    void closeRequested();

private:
    void modeChanged();
    void exportResults();
    bool readForm(NameSettings &settings, NameConstraints &constraints, QString &error) const;
    bool loadGivenNames(QString &error);

    QComboBox *m_mode;
    QLabel *m_fixedLabel;
    QLineEdit *m_fixed;
    QPushButton *m_browse;
    QLineEdit *m_expression;
    QLineEdit *m_heartsDesire;
    QLineEdit *m_personality;
    QSpinBox *m_bridge;
    QLineEdit *m_include;
    QLineEdit *m_avoid;
    QSpinBox *m_minLength;
    QSpinBox *m_maxLength;
    QComboBox *m_gender;
    QComboBox *m_vowels;
    QCheckBox *m_noKarmicDebt;
    QPushButton *m_find;
    QPushButton *m_export;
    QPushButton *m_close;
    QLabel *m_status;
    QTableView *m_table;
    CNameResultModel m_model;
    QSortFilterProxyModel *m_sorted;

    QDate m_birthDate;
    bool m_chaldean = false;
    QVector<GivenName> m_givenNames;
    std::unique_ptr<NameFinder> m_finder;
    CalcOptions m_options;
};
