#include "ui/dialogs/AnalizeDlg.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "app/DocumentHost.h"
#include "ui/widgets/GridView.h"
#include "ui/widgets/HelpDesk.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/Language.h"
#include "ui/widgets/TextGridModel.h"

namespace lodex {
namespace {

constexpr const char* kCaption = QT_TRANSLATE_NOOP("lodex::CAnalizeDlg", "Анализ схемы");
constexpr const char* kSourceCaption = QT_TRANSLATE_NOOP("lodex::CAnalizeDlg", "Исходная последовательность");
constexpr const char* kComputedCaption = QT_TRANSLATE_NOOP("lodex::CAnalizeDlg", "Полученная последовательность");

// Column widths are kept in the grid's own unit: column 0, sized to hold
// the verdict, is this many units wide, so that the widths derived from it
// give word columns half its width and the number columns its full width.
constexpr int kColumn0Units = 40;

// The captions above the two halves of the grid, kept over their columns
// while the columns are resized or scrolled.
class CHalfCaptions : public QWidget {
 public:
  explicit CHalfCaptions(QTableView* view, QWidget* parent) : QWidget(parent), m_view(view) {
    setFixedHeight(fontMetrics().height() + 6);
    connect(view->horizontalHeader(), &QHeaderView::sectionResized, this, [this] { update(); });
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { update(); });
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const int offset = m_view->x() - x() + m_view->viewport()->x();
    const auto half = [&](int first, int last, const char* text) {
      const int left = offset + m_view->columnViewportPosition(first);
      const int right = offset + m_view->columnViewportPosition(last) + m_view->columnWidth(last);
      p.drawText(QRect(left, 0, right - left, height()), Qt::AlignCenter,
                 QCoreApplication::translate("lodex::CAnalizeDlg", text));
    };
    half(2, 5, kSourceCaption);
    half(7, 10, kComputedCaption);
  }

 private:
  QTableView* m_view;
};

}  // namespace

CAnalizeDlg::CAnalizeDlg(const CAnalysisGrid& grid, CMessageSink& sink, QWidget* parent)
    : QDialog(parent), m_grid(grid), m_sink(sink), m_view(new CGridView(this)), m_ok(new QPushButton("OK", this)) {
  setWindowTitle(tr(kCaption));
  SetHelpTopic(this, help::kAnalysis);
  setSizeGripEnabled(true);

  // The model shows the rows below the grid's header row 0. Row N holds the
  // combinations 4N to 4N + 3, one column each, on both sides.
  QStringList headers;
  for (int c = 0; c < CAnalysisGrid::kColumns; ++c) {
    const QString offset = QString::fromStdString(grid.Cell(0, c));
    headers << (c == 0 ? tr("Сравнение") : c == 1 ? tr("Строка N") : offset.isEmpty() ? QString() : "4N+" + offset);
  }
  m_model = new CTextGridModel(
      [&grid](int row, int column) {
        // The verdicts in the interface language; the words stay as computed.
        return column == 0 ? AppText(grid.Cell(row + 1, 0)) : QString::fromStdString(grid.Cell(row + 1, column));
      },
      grid.Rows() - 1, CAnalysisGrid::kColumns, headers, [this](int row) { return IsMarked(row + 1); }, this);
  m_view->setObjectName("AnalysisGrid");
  m_view->setToolTip(tr("Исходная и полученная последовательности по комбинациям входов; несовпадения выделены"));
  m_view->setModel(m_model);
  m_view->verticalHeader()->hide();  // column 1 numbers the rows

  QFont bold = m_view->font();
  bold.setBold(true);
  const int column0 = QFontMetrics(bold).horizontalAdvance(AppText(kAnalysisRowMismatch)) + 12;
  for (int c = 0; c < CAnalysisGrid::kColumns; ++c)
    m_view->setColumnWidth(c, CAnalysisGrid::ColumnWidth(c, kColumn0Units) * column0 / kColumn0Units);

  m_ok->setObjectName("OkButton");
  m_ok->setIcon(UiIcon("ok"));
  m_ok->setDefault(true);
  m_ok->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);  // follows the right edge
  connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new CHalfCaptions(m_view, this));
  layout->addWidget(m_view, 1);
  layout->addWidget(m_ok);

  int width = 2 * m_view->frameWidth() + m_view->verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < CAnalysisGrid::kColumns; ++c) width += m_view->columnWidth(c);
  resize(width + layout->contentsMargins().left() + layout->contentsMargins().right(), 480);
}

CAnalizeDlg::~CAnalizeDlg() = default;

bool CAnalizeDlg::IsMarked(int row) const { return m_grid.Cell(row, 0) == kAnalysisRowMismatch; }

void CAnalizeDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The message comes once, over the filled grid.
  if (!m_messageShown && m_grid.HasMismatch()) {
    m_messageShown = true;
    QTimer::singleShot(0, this, &CAnalizeDlg::ShowMismatchMessage);
  }
}

void CAnalizeDlg::ShowMismatchMessage() {
  m_sink.Show(Message{
      {}, kAppTitle, MessageButtons::Ok, MessageIcon::Warning, std::nullopt, {Phrase(PhraseCode::AnalysisMismatch)}});
}

}  // namespace lodex
