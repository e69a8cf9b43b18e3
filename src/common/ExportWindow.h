// Base of the export windows: a grid of an archive's records, written as a spreadsheet file on command.
#pragma once

#include "common/Archive.h"
#include "common/Dialog.h"

#include <QAbstractTableModel>
#include <QList>
#include <QSize>
#include <QString>

#include <memory>

namespace Ui {
class frmExport;
}

namespace common {

struct ExportColumn {
    QString title;
    int gridWidth = 0;
    int fileWidth = 0; // the width written in the file
    bool readOnly = true;
};

// A column of a record export: the grid column and the record field it shows, or kRecordNumber.
struct RecordColumn {
    ExportColumn column;
    int field;
};
inline constexpr int kRecordNumber = -1;
// The grid columns of columns, in order.
QList<ExportColumn> gridColumns(const QList<RecordColumn>& columns);
// The rows of the records that a failed read did not reach: none, or one empty row each.
enum class UnreadRows { None, Empty };
// Every record of archive as a row of cells, one cell per column. A failed read throws, after the rows
// that unread asks for.
void appendRecordRows(ArchiveFile& archive, const QList<RecordColumn>& columns, QList<QString>& cells,
                      UnreadRows unread = UnreadRows::None);

struct ExportLayout {
    QString instanceName;
    QString caption;
    QString fileName;  // beside the program
    QString sheetName; // the worksheet's name in the file
    QString helpKey;   // the help text of the window's help command
    // Grid columns from 0; column 0 ("N.", the record number) is not exported.
    QList<ExportColumn> columns;
    // The window's client size; the layout's own when not set.
    QSize size;
};

// The grid's cells: text only, row after row. Edits change the cells, never an archive.
class ExportGrid : public QAbstractTableModel {
    Q_OBJECT
public:
    ExportGrid(QList<ExportColumn> columns, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Cells row after row, columnCount() per row; a short last row is filled with empty cells.
    void setCells(QList<QString> cells);
    const QString& cell(qsizetype row, int column) const { return cells_[row * columns_.size() + column]; }

private:
    QList<ExportColumn> columns_;
    QList<QString> cells_;
};

class ExportWindow : public Dialog {
    Q_OBJECT
public:
    ~ExportWindow() override;

    ExportGrid* grid() const { return grid_; }
    const ExportLayout& layout() const { return layout_; }

    // Fills the grid from the archive; a failure ends the filling silently, keeping the rows read so far.
    void fillGrid();
    // Writes the grid as it stands to the window's file; throws common::Failure when it cannot.
    void writeFile() const;

public Q_SLOTS:
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick();

protected:
    ExportWindow(ExportLayout layout, QWidget* owner);

    // Appends the cells of the rows to show, columns.size() per row, column 0 the record number.
    // May throw; what was appended before stays in the grid.
    virtual void readRows(QList<QString>& cells) = 0;

    void FormShow() override;
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::frmExport> ui;
    ExportLayout layout_;
    ExportGrid* grid_;
    QSize designedSize_;
};

} // namespace common
