#include "ui/dialogs/PrwDlg.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "app/DocumentHost.h"
#include "ui/dialogs/PreviewWnd.h"
#include "ui/widgets/DialogButtons.h"
#include "ui/widgets/HelpDesk.h"
#include "ui/widgets/Language.h"

namespace lodex {

// The list's rows as the dialog's model wrote them; the texts become Qt
// strings only for the rows on screen, so a list of 65,534 rows fills at once.
class CSerialListModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void SetRows(std::vector<SerialListRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
  }

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
  }
  int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 3; }

  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    const SerialListRow& row = m_rows[static_cast<size_t>(index.row())];
    const std::string& text = index.column() == 0 ? row.complexity : index.column() == 1 ? row.bound : row.free;
    return index.column() == 0
               ? QString::fromStdString(text).replace(kResultingComplexity, AppText(kResultingComplexity))
               : QString::fromStdString(text);
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const captions[] = {QT_TRANSLATE_NOOP("lodex::CPrwDlg", "Сложность"),
                                           QT_TRANSLATE_NOOP("lodex::CPrwDlg", "Старший блок (веса)"),
                                           QT_TRANSLATE_NOOP("lodex::CPrwDlg", "Младший блок (веса)")};
    return section >= 0 && section < 3 ? QCoreApplication::translate("lodex::CPrwDlg", captions[section]) : QVariant();
  }

 private:
  std::vector<SerialListRow> m_rows;
};

// What a worker hands back: its searched copy of the model and the list's
// rows, built on the worker too.
struct CPrwDlg::Outcome {
  CSerialDialogModel model;
  std::vector<SerialListRow> rows;
  bool completed = false;
};

namespace {

// The progress bar's range: every mask from 2^n - 2 down to 1.
int MaskCount(const CSerialDialogModel& model) {
  const int n = model.BeforePreview().inputs;
  return n >= 2 && n <= kMaxSplitInputs ? (1 << n) - 2 : 0;
}

}  // namespace

CPrwDlg::CPrwDlg(const CLogicalBlock& block, QWidget* parent)
    : QDialog(parent),
      m_block(block),
      m_model(block),
      m_before(new CPreviewWnd(this)),
      m_after(new CPreviewWnd(this)),
      m_rows(new CSerialListModel(this)),
      m_noSplits(new QLabel(tr("Разложений не найдено"), this)),
      m_complexity(new QLineEdit(this)),
      m_search(new QPushButton(tr("Поиск разложения с неувеличением сложности"), this)),
      m_progress(new QProgressBar(this)) {
  setWindowTitle(tr("Последовательная декомпозиция"));
  SetHelpTopic(this, help::kSerial);
  m_before->setObjectName("Before");
  m_after->setObjectName("After");
  m_complexity->setObjectName("Complexity");
  m_noSplits->setObjectName("NoSplits");
  m_noSplits->hide();
  m_search->setObjectName("Search");
  m_before->setToolTip(tr("Блок, который раскладывается"));
  m_after->setToolTip(tr("Старший и младший блоки выбранного разложения"));
  m_complexity->setToolTip(tr("Сложность исходного блока"));
  m_search->setToolTip(tr("Перебрать разложения и оставить те, что не увеличивают сложность"));
  m_progress->setToolTip(tr("Ход поиска разложений"));
  m_progress->setObjectName("Progress");

  auto* list = new QTreeView(this);
  list->setObjectName("Candidates");
  list->setToolTip(tr("Найденные разложения, от меньшей сложности к большей"));
  list->setModel(m_rows);
  list->setRootIsDecorated(false);
  list->setItemsExpandable(false);
  list->setUniformRowHeights(true);
  list->setAllColumnsShowFocus(true);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->header()->setSectionsMovable(false);
  // The columns are 100, 120 and 120 pixels wide, or wider where this font
  // needs it for the captions and for the largest complexity.
  const QFontMetrics metrics(list->font());
  const int margin = 2 * list->style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
  const QString widest = AppText(kResultingComplexity) + QString::fromStdString(m_model.ComplexityText());
  const int widths[] = {100, 120, 120};
  int total = 0;
  for (int column = 0; column < 3; ++column) {
    int text = metrics.horizontalAdvance(m_rows->headerData(column, Qt::Horizontal).toString());
    if (column == 0) text = std::max(text, metrics.horizontalAdvance(widest));
    const int width = std::max(widths[column], text + margin);
    list->header()->resizeSection(column, width);
    total += width;
  }
  list->setMinimumWidth(total + 2 * list->frameWidth() + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  m_list = list;
  connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CPrwDlg::OnSelectionChanged);

  // Room for the tallest split of the block: a lower block of up to n - 1
  // inputs below a higher block of up to max(n, m) pins, each input's label
  // left of the lines.
  const SerialPreview alone = m_model.BeforePreview();
  const int longest = std::max(alone.inputs, alone.outputs);
  for (CPreviewWnd* pane : {m_before, m_after})
    pane->setMinimumSize(10 * alone.inputs + 200, 10 * (alone.inputs + longest) + 60);
  m_before->SetPreview(alone);
  m_complexity->setReadOnly(true);
  m_complexity->setText(QString::fromStdString(m_model.ComplexityText()));
  m_progress->setTextVisible(false);
  m_progress->setRange(0, std::max(1, MaskCount(m_model)));
  m_progress->setValue(0);
  connect(m_search, &QPushButton::clicked, this, &CPrwDlg::StartSearch);

  QDialogButtonBox* buttons = OkCancelButtons(this);
  m_ok = buttons->button(QDialogButtonBox::Ok);
  m_ok->setText(tr("Разложить"));
  m_ok->setEnabled(false);
  // Enter in the list must not press the default button before a choice.
  m_ok->setAutoDefault(false);
  m_search->setAutoDefault(false);

  auto* panes = new QGridLayout;
  panes->addWidget(new QLabel(tr("Исходный блок"), this), 0, 0);
  panes->addWidget(new QLabel(tr("Полученные блоки"), this), 0, 1);
  panes->addWidget(m_before, 1, 0);
  panes->addWidget(m_after, 1, 1);
  panes->setRowStretch(1, 1);

  auto* complexity = new QHBoxLayout;
  complexity->addWidget(new QLabel(tr("Исходная \nсложность:"), this));
  complexity->addWidget(m_complexity);
  complexity->addSpacing(12);
  complexity->addWidget(m_search, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(panes, 3);
  layout->addWidget(m_list, 2);
  layout->addWidget(m_noSplits);
  layout->addLayout(complexity);
  layout->addWidget(m_progress);
  layout->addWidget(buttons);
}

CPrwDlg::~CPrwDlg() { StopSearch(); }

void CPrwDlg::StartSearch() {
  if (IsSearching()) return;
  // Reset the progress bar, the list, the choice and the right pane.
  m_model = CSerialDialogModel(m_block);
  m_rows->SetRows({});
  m_noSplits->hide();
  m_after->SetPreview(std::nullopt);
  m_ok->setEnabled(false);
  m_progress->setRange(0, std::max(1, MaskCount(m_model)));
  m_progress->setValue(0);
  m_search->setEnabled(false);
  setCursor(Qt::BusyCursor);

  auto outcome = std::make_shared<Outcome>(Outcome{m_model, {}, false});
  m_worker.Start(
      [this, outcome] {
        SerialSearchOptions options;
        options.progress = [this](uint64_t done, uint64_t total) {
          if (!m_worker.KeepGoing()) return false;
          m_worker.Post([this, done] { m_progress->setValue(static_cast<int>(done)); }, done == total);
          return true;
        };
        outcome->completed = outcome->model.Search(options);
        if (outcome->completed) outcome->rows = outcome->model.Rows();
      },
      [this, outcome](const std::string& error) { OnSearchDone(*outcome, error); });
}

void CPrwDlg::StopSearch() {
  if (!IsSearching()) return;
  m_worker.Stop();
  EndSearch(false);
}

void CPrwDlg::done(int result) {
  StopSearch();
  QDialog::done(result);
}

void CPrwDlg::OnSearchDone(Outcome& outcome, const std::string& error) {
  const bool completed = outcome.completed && error.empty();
  if (completed) {
    m_model = std::move(outcome.model);
    m_rows->SetRows(std::move(outcome.rows));
  }
  EndSearch(completed);
  if (!error.empty()) ReportFailure(error);
}

void CPrwDlg::ReportFailure(const std::string& what) {
  QMessageBox::warning(this, kAppTitle, tr("Поиск разложения не завершен: %1").arg(QString::fromStdString(what)));
}

void CPrwDlg::EndSearch(bool completed) {
  unsetCursor();
  m_search->setEnabled(true);
  if (completed) m_progress->setValue(m_progress->maximum());
  m_noSplits->setVisible(completed && m_rows->rowCount() == 0);
  emit SearchFinished(completed);
}

void CPrwDlg::OnSelectionChanged() {
  const QModelIndexList rows = m_list->selectionModel()->selectedRows();
  if (rows.isEmpty()) return;
  m_model.Select(rows.front().row());
  if (!m_model.OkEnabled()) return;
  m_after->SetPreview(m_model.AfterPreview());
  m_ok->setEnabled(true);
}

}  // namespace lodex
