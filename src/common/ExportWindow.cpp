#include "common/ExportWindow.h"

#include "common/CommandTable.h"

#include "common/Help.h"
#include "common/Look.h"
#include "common/Misc.h"
#include "common/Placement.h"
#include "common/Spreadsheet.h"
#include "common/StatusHints.h"
#include "platform/Dialogs.h"
#include "platform/ProgramFolder.h"
#include "ui_ExportWindow.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QShowEvent>
#include <QStyle>

namespace common {

namespace {

const QString kAskExport =
    QString::fromUtf8("L'esportazione dei dati in Excel può richiedere diversi minuti a seconda "
                      "del numero di schede presenti in archivio.\r\n\r\n"
                      "Si vuole esportare i dati adesso?");
const QString kAskOpen = QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\n"
                                        "Si vuole aprire il file di Excel?");
const QString kExportFailed =
    QString::fromUtf8("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                      "Accertarsi che il file di Excel non sia già aperto.");

const QString kHintEsporta = QStringLiteral("Esporta l'archivio in formato Microsoft Excel.");
const QString kHintGuida = QStringLiteral("Visualizza la pagina della guida sensibile al contesto.");
const QString kHintEsci = QStringLiteral("Esci da questo ambiente di lavoro.");

} // namespace

QList<ExportColumn> gridColumns(const QList<RecordColumn>& columns) {
    QList<ExportColumn> grid;
    grid.reserve(columns.size());
    for (const RecordColumn& c : columns)
        grid.append(c.column);
    return grid;
}

void appendRecordRows(ArchiveFile& archive, const QList<RecordColumn>& columns, QList<QString>& cells,
                      UnreadRows unread) {
    const qsizetype end = cells.size() + archive.count() * columns.size();
    cells.reserve(end);
    try {
        archive.forEach([&](qint64 number, const Record& record) {
            for (const RecordColumn& c : columns)
                cells.append(c.field == kRecordNumber ? QString::number(number) : record.get(c.field));
        });
    } catch (...) {
        if (unread == UnreadRows::Empty)
            cells.resize(end);
        throw;
    }
}

ExportGrid::ExportGrid(QList<ExportColumn> columns, QObject* parent)
    : QAbstractTableModel(parent)
    , columns_(std::move(columns)) {}

int ExportGrid::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || columns_.isEmpty() ? 0 : int(cells_.size() / columns_.size());
}

int ExportGrid::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant ExportGrid::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return cell(index.row(), index.column());
}

bool ExportGrid::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || columns_[index.column()].readOnly)
        return false;
    cells_[index.row() * columns_.size() + index.column()] = value.toString();
    Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

QVariant ExportGrid::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columns_.size())
        return columns_[section].title;
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags ExportGrid::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!columns_[index.column()].readOnly)
        f |= Qt::ItemIsEditable;
    return f;
}

void ExportGrid::setCells(QList<QString> cells) {
    beginResetModel();
    cells_ = std::move(cells);
    if (const qsizetype rest = columns_.isEmpty() ? 0 : cells_.size() % columns_.size())
        cells_.resize(cells_.size() + columns_.size() - rest);
    endResetModel();
}

ExportWindow::ExportWindow(ExportLayout layout, QWidget* owner)
    : Dialog(owner)
    , ui(std::make_unique<Ui::frmExport>())
    , layout_(std::move(layout)) {
    ui->setupUi(this);
    setObjectName(layout_.instanceName);
    setWindowTitle(layout_.caption);
    setNoTitleButtons();
    // The strips span the width, the right commands keep their distance from the right edge, the grid
    // fills what is left: the layout's own size, or a smaller screen's.
    keepAtEdges(ui->panContainer, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    keepAtEdges(ui->shpSfondo, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge);
    keepAtEdges(ui->lblTitolo, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge);
    for (QWidget* right : {static_cast<QWidget*>(ui->cmdGuida), static_cast<QWidget*>(ui->cmdEsci)})
        keepAtEdges(right, Qt::TopEdge | Qt::RightEdge);
    keepAtEdges(ui->grdRecords, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    keepAtEdges(ui->shpInfo, Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);
    keepAtEdges(ui->panInfo, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge);
    if (layout_.size.isValid())
        resize(layout_.size);
    designedSize_ = size();
    setFixedSize(designedSize_);
    setCentredOnScreen(true);

    setBackground(ui->shpSfondo, QColor(70, 130, 180));
    setBackground(ui->shpInfo, QColor(220, 228, 238));
    QPalette white = ui->lblTitolo->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    white.setColor(QPalette::ButtonText, Qt::white);
    for (QWidget* w : {static_cast<QWidget*>(ui->lblTitolo), static_cast<QWidget*>(ui->imgMano)})
        w->setPalette(white);
    // Under the mouse a command is raised in a darker blue of the strip, so its white caption stays readable.
    QPalette command = white;
    command.setColor(QPalette::Button, QColor(54, 100, 139));
    for (QWidget* w : {static_cast<QWidget*>(ui->cmdEsporta), static_cast<QWidget*>(ui->cmdGuida),
                       static_cast<QWidget*>(ui->cmdEsci)})
        w->setPalette(command);
    ui->lblTitolo->setText(layout_.caption.trimmed());
    // The pictures of the cards' toolbars, drawn when the window is first shown.
    drawOnFirstShow(ui->cmdEsporta, commandPicture(Command::Export, 48));
    drawOnFirstShow(ui->cmdGuida, commandPicture(Command::Help, 48));
    drawOnFirstShow(ui->cmdEsci, commandPicture(Command::Exit, 48));
    drawOnFirstShow(ui->imgMano, [](QWidget* hand) {
        static_cast<QLabel*>(hand)->setPixmap(pointingHand(std::min(hand->width(), hand->height())));
    });

    grid_ = new ExportGrid(layout_.columns, this);
    QTableView* view = ui->grdRecords;
    view->setModel(grid_);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(21);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int c = 0; c < layout_.columns.size(); ++c)
        view->setColumnWidth(c, layout_.columns[c].gridWidth);

    connect(ui->cmdEsporta, &QToolButton::clicked, this, &ExportWindow::cmdEsportaClick);
    connect(ui->cmdGuida, &QToolButton::clicked, this, &ExportWindow::cmdGuidaClick);
    connect(ui->cmdEsci, &QToolButton::clicked, this, &ExportWindow::cmdEsciClick);

    auto* hints = new StatusHints(ui->panInfo, this);
    hints->add(ui->cmdEsporta, kHintEsporta);
    hints->add(ui->cmdGuida, kHintGuida);
    hints->add(ui->cmdEsci, kHintEsci);
    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(ui->panContainer),
                       static_cast<QWidget*>(ui->shpSfondo), static_cast<QWidget*>(ui->shpInfo),
                       static_cast<QWidget*>(ui->grdRecords), ui->grdRecords->viewport()})
        hints->addBackground(w);
}

ExportWindow::~ExportWindow() = default;

void ExportWindow::showEvent(QShowEvent* event) {
    // Fixed in size: the layout's, or less where the screen is smaller.
    if (!event->spontaneous()) {
        setMinimumSize(0, 0);
        setMaximumSize(designedSize_);
        resize(designedSize_);
    }
    Dialog::showEvent(event);
    setFixedSize(size());
}

void ExportWindow::fillGrid() {
    QList<QString> cells;
    try {
        readRows(cells);
    } catch (const std::exception&) {
        // Silent: the rows read so far stay.
    }
    grid_->setCells(std::move(cells));
}

void ExportWindow::cmdEsportaClick() {
    // A cell still being edited goes into the grid first.
    if (QWidget* editor = QApplication::focusWidget(); editor && ui->grdRecords->isAncestorOf(editor))
        ui->grdRecords->setFocus();
    if (!platform::askYesNo(this, kAskExport))
        return;
    try {
        writeFile();
        if (platform::askYesNo(this, kAskOpen))
            TMisc::Open(QLatin1Char('"') + platform::programPath(layout_.fileName) + QLatin1Char('"'));
    } catch (const std::exception&) {
        platform::showPlain(this, kExportFailed);
    }
}

void ExportWindow::writeFile() const {
    QList<SpreadsheetColumn> columns;
    for (int c = 1; c < layout_.columns.size(); ++c)
        columns.append({layout_.columns[c].title, layout_.columns[c].fileWidth});
    writeSpreadsheet(platform::programPath(layout_.fileName), layout_.sheetName, columns, grid_->rowCount(),
                     [this](qsizetype row, int column) { return grid_->cell(row, column + 1); });
}

void ExportWindow::cmdEsciClick() {
    close();
}

void ExportWindow::cmdGuidaClick() {
    showHelp(this, layout_.helpKey);
}

void ExportWindow::FormShow() {
    fillGrid();
}

} // namespace common
