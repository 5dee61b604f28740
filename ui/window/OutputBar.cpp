#include "ui/window/OutputBar.h"

#include <QFont>
#include <QItemSelectionModel>
#include <QListView>
#include <QPalette>
#include <QStringListModel>
#include <QTabWidget>
#include <algorithm>
#include <string>
#include <vector>

#include "app/SequencePane.h"
#include "ui/widgets/Language.h"

namespace lodex {
namespace {

QStringList ToLines(const std::vector<std::string>& lines) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines) list.push_back(QString::fromStdString(line));
  return list;
}

}  // namespace

COutputBar::COutputBar(QWidget* parent)
    : QDockWidget(tr("Логические последовательности"), parent),
      m_tabs(new QTabWidget(this)),
      m_blockModel(new QStringListModel(this)),
      m_sourceModel(new QStringListModel(this)) {
  setObjectName(QStringLiteral("OutputBar"));
  setAllowedAreas(Qt::AllDockWidgetAreas);
  m_tabs->setDocumentMode(true);
  m_tabs->setTabPosition(QTabWidget::South);
  m_blockList = MakeList(m_blockModel);
  // The selected block's lines stay marked while the focus is elsewhere
  // (in the diagram, as it mostly is).
  QPalette marked = m_blockList->palette();
  for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
    marked.setColor(QPalette::Inactive, role, marked.color(QPalette::Active, role));
  m_blockList->setPalette(marked);
  m_tabs->addTab(m_blockList, tr("Логическая последовательность текущего блока"));
  connect(m_blockList, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
    if (index.row() >= 0 && static_cast<size_t>(index.row()) < m_owners.size())
      emit BlockActivated(m_owners[static_cast<size_t>(index.row())]);
  });
  m_tabs->addTab(MakeList(m_sourceModel), tr("Исходная логическая последовательность"));
  m_blockModel->setStringList({AppText(kNoSequenceLine)});
  m_sourceModel->setStringList({AppText(kNoSequenceLine)});
  m_tabs->setCurrentIndex(0);
  setWidget(m_tabs);
}

QListView* COutputBar::MakeList(QStringListModel* model) {
  auto* list = new QListView(m_tabs);
  list->setModel(model);
  // Thousands of lines of one height: uniform sizes keep filling and
  // scrolling independent of their number.
  list->setUniformItemSizes(true);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  list->setTextElideMode(Qt::ElideNone);
  list->setWordWrap(false);
  // Courier, or its metric twins, or whatever fixed-pitch font there is.
  QFont font;
  font.setFamilies({QStringLiteral("Courier"), QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPixelSize(15);
  list->setFont(font);
  return list;
}

void COutputBar::UpdatePanes(const CLogicalScheme& scheme, bool firstState) {
  ShowBlocks(scheme);
  if (firstState) ShowSource(scheme.m_sourceLP, scheme.m_wordDigits);
}

void COutputBar::ShowBlocks(const CLogicalScheme& scheme) {
  m_blockModel->setStringList(ToLines(lodex::ShowBlocks(scheme, &m_owners)));
  m_marked = -1;
}

void COutputBar::FollowSelection(int block) {
  const auto first = std::find(m_owners.begin(), m_owners.end(), block);
  QItemSelectionModel* selection = m_blockList->selectionModel();
  if (block < 1 || first == m_owners.end()) {
    m_marked = -1;
    selection->clearSelection();
    return;
  }
  m_marked = block;
  const auto last = std::find_if(first, m_owners.end(), [block](int owner) { return owner != block; });
  const QModelIndex top = m_blockModel->index(static_cast<int>(first - m_owners.begin()));
  const QModelIndex bottom = m_blockModel->index(static_cast<int>(last - m_owners.begin()) - 1);
  selection->select(QItemSelection(top, bottom), QItemSelectionModel::ClearAndSelect);
  selection->setCurrentIndex(top, QItemSelectionModel::NoUpdate);
  m_blockList->scrollTo(bottom, QAbstractItemView::EnsureVisible);
  m_blockList->scrollTo(top, QAbstractItemView::PositionAtTop);
}

void COutputBar::ShowSource(std::string_view lp, int digits) {
  m_sourceModel->setStringList(ToLines(lodex::ShowSource(lp, digits)));
}

QStringList COutputBar::BlockLines() const { return m_blockModel->stringList(); }

QStringList COutputBar::SourceLines() const { return m_sourceModel->stringList(); }

}  // namespace lodex
