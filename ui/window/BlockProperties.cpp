#include "ui/window/BlockProperties.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/BlockFunctionText.h"
#include "drawing/KarnaughMap.h"
#include "model/PrintableText.h"
#include "model/WeightText.h"
#include "synthesis/Tiers.h"
#include "ui/widgets/GridView.h"
#include "ui/widgets/KarnaughMapView.h"
#include "ui/widgets/TextGridModel.h"

namespace lodex {
namespace {

QString Shown(const std::string& text) { return QString::fromStdString(PrintableText(text)); }

// "Блок 3 (B12)": a block as the diagram captions it, with its identifier.
QString BlockName(const CLogicalBlock& block) {
  return QString("%1 (%2)").arg(Shown(block.m_caption), Shown(block.m_id));
}

}  // namespace

CBlockProperties::CBlockProperties(QWidget* parent) : QDockWidget(tr("Свойства блока"), parent) {
  setObjectName("BlockProperties");
  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(4, 4, 4, 4);

  m_header = new QLabel(body);
  m_header->setWordWrap(true);
  m_header->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(m_header);

  m_tabs = new QTabWidget(body);
  layout->addWidget(m_tabs, 1);

  m_connections = new QTreeWidget(m_tabs);
  m_connections->setColumnCount(2);
  m_connections->setHeaderLabels({tr("Вывод"), tr("Связан с")});
  m_connections->setRootIsDecorated(true);
  m_connections->setUniformRowHeights(true);
  m_connections->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  m_tabs->addTab(m_connections, tr("Связи"));

  m_table = new CGridView(m_tabs);
  m_table->setToolTip(
      tr("Входы x0, x1, … и выходы y0, y1, … для каждой комбинации входов; строки с неопределённым словом выделены"));
  m_tabs->addTab(m_table, tr("Таблица истинности"));

  auto* function = new QWidget(m_tabs);
  auto* functionLayout = new QVBoxLayout(function);
  m_formulas = new QLabel(function);
  m_formulas->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  m_formulas->setWordWrap(true);
  m_formulas->setTextInteractionFlags(Qt::TextSelectableByMouse);
  m_formulas->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  functionLayout->addWidget(m_formulas);
  auto* mapRow = new QHBoxLayout;
  auto* mapLabel = new QLabel(tr("Карта Карно &выхода:"), function);
  m_mapOutput = new QComboBox(function);
  mapLabel->setBuddy(m_mapOutput);
  mapRow->addWidget(mapLabel);
  mapRow->addWidget(m_mapOutput);
  mapRow->addStretch(1);
  functionLayout->addLayout(mapRow);
  m_mapNote = new QLabel(function);
  m_mapNote->setWordWrap(true);
  functionLayout->addWidget(m_mapNote);
  m_map = new CKarnaughMapView(function);
  functionLayout->addWidget(m_map);
  functionLayout->addStretch(1);
  auto* scroll = new QScrollArea(m_tabs);
  scroll->setWidget(function);
  scroll->setWidgetResizable(true);
  m_tabs->addTab(scroll, tr("Формула"));

  m_copy = new QPushButton(tr("&Копировать"), body);
  m_copy->setToolTip(tr("Поместить формулы и таблицу истинности блока в буфер обмена"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(m_copy);
  layout->addLayout(buttons);
  setWidget(body);

  connect(m_copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(ClipboardText()); });
  connect(m_mapOutput, &QComboBox::currentIndexChanged, this, [this] { ShowMap(); });
  // A hidden pane leaves the function for when it is shown.
  connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    if (visible && !m_functionShown) ShowFunction();
  });
  ShowBlock({}, -1);
}

void CBlockProperties::ShowBlock(const CLogicalScheme& scheme, int index) {
  const bool logic = index >= 1 && index < scheme.GetBlockCount() - 1;
  m_index = logic ? index : -1;
  if (!logic) {
    m_block = {};
    m_words = std::make_shared<const Words>();
    m_formulaCovers.clear();
    m_functionShown = false;
    m_header->setText(tr("Выберите блок на схеме: щелчком, клавишей Tab или командой «Найти блок»."));
    m_connections->clear();
    m_table->setModel(nullptr);
    delete m_model;
    m_model = nullptr;
    m_formulas->clear();
    m_mapOutput->clear();
    m_mapNote->clear();
    m_map->Clear();
    m_tabs->setEnabled(false);
    m_copy->setEnabled(false);
    return;
  }
  const CLogicalBlock& block = scheme.GetBlock(index);
  // The stored tier is only as fresh as the last command that set it.
  CLogicalScheme tiers = scheme;
  ComputeTiers(tiers);
  m_tabs->setEnabled(true);
  m_copy->setEnabled(true);
  m_header->setText(tr("Блок № %1: %2\nярус %3; входов %4, выходов %5")
                        .arg(index)
                        .arg(BlockName(block))
                        .arg(tiers.GetBlock(index).m_tier)
                        .arg(block.m_inputCount)
                        .arg(block.m_outputCount));
  ShowConnections(scheme);
  const bool sameFunction = m_functionShown && block.m_lp == m_block.m_lp &&
                            block.m_inputCount == m_block.m_inputCount &&
                            block.m_outputCount == m_block.m_outputCount && block.m_wordDigits == m_block.m_wordDigits;
  m_block = block;
  if (sameFunction) return;
  m_functionShown = false;
  if (isVisible()) ShowFunction();
}

void CBlockProperties::ShowConnections(const CLogicalScheme& scheme) {
  const CLogicalBlock& block = scheme.GetBlock(m_index);
  m_connections->clear();
  auto* inputs = new QTreeWidgetItem(m_connections, {tr("Входы")});
  for (size_t k = 0; k < block.m_inputs.size(); ++k) {
    const CBlockInput& link = block.m_inputs[k];
    const int source = scheme.FindBlock(link.m_source);
    QString where;
    if (source == 0)
      where = tr("вход схемы %1 (вес %2)").arg(link.m_pin).arg(QString::fromStdString(WeightText(link.m_pin)));
    else if (source > 0)
      where = tr("%1, выход %2").arg(BlockName(scheme.GetBlock(source))).arg(link.m_pin);
    else
      where = tr("неизвестный источник «%1»").arg(Shown(link.m_source));
    new QTreeWidgetItem(inputs, {QString("x%1").arg(k), where});
  }
  auto* outputs = new QTreeWidgetItem(m_connections, {tr("Выходы")});
  const int outputBlock = scheme.GetBlockCount() - 1;
  for (int pin = 0; pin < block.m_outputCount; ++pin) {
    QStringList where;
    for (const auto& [consumer, input] : scheme.FindConsumers(CBlockInput(static_cast<int16_t>(pin), block.m_id)))
      where << (consumer == outputBlock ? tr("выход схемы %1").arg(input)
                                        : tr("%1, вход %2").arg(BlockName(scheme.GetBlock(consumer))).arg(input));
    new QTreeWidgetItem(outputs, {QString("y%1").arg(pin), where.isEmpty() ? tr("не используется") : where.join("; ")});
  }
  m_connections->expandAll();
}

void CBlockProperties::ShowFunction() {
  m_functionShown = true;
  if (m_index < 0) return;
  const int n = m_block.m_inputCount, m = m_block.m_outputCount;
  Words words = LPToWords(m_block.m_lp, m_block.m_wordDigits);
  if (words.size() != (size_t{1} << n)) words.assign(size_t{1} << n, -1);  // a damaged block shows undefined
  // The model keeps the words it shows: the view may still ask the model
  // it is leaving while the next block's words are being made.
  m_words = std::make_shared<const Words>(std::move(words));

  QStringList headers;
  for (int k = 0; k < n; ++k) headers << QString("x%1").arg(k);
  for (int k = 0; k < m; ++k) headers << QString("y%1").arg(k);
  const auto cell = [words = m_words, n](int row, int column) -> QString {
    if (column < n) return ((row >> column) & 1) ? QStringLiteral("1") : QStringLiteral("0");
    const int32_t word = (*words)[static_cast<size_t>(row)];
    if (word < 0) return QStringLiteral("–");
    return ((word >> (column - n)) & 1) ? QStringLiteral("1") : QStringLiteral("0");
  };
  auto* model = new CTextGridModel(
      cell, static_cast<int>(m_words->size()), n + m, headers,
      [words = m_words](int row) { return (*words)[static_cast<size_t>(row)] < 0; }, m_table);
  model->SetFirstRowNumber(0);
  m_table->setModel(model);
  delete m_model;
  m_model = model;
  m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  m_table->horizontalHeader()->setDefaultSectionSize(m_table->fontMetrics().horizontalAdvance("y00") + 16);

  {
    // Seven or eight inputs may take a noticeable moment.
    const bool slow = n > kMaxKarnaughInputs && n <= kMaxFormulaInputs;
    if (slow) QApplication::setOverrideCursor(Qt::WaitCursor);
    m_formulaCovers = BlockFormulas(m_block);
    if (slow) QApplication::restoreOverrideCursor();
  }
  QStringList lines = FormulaLines();
  m_formulas->setText(lines.isEmpty()
                          ? tr("Формулы строятся для блоков не более чем с %1 входами.").arg(kMaxFormulaInputs)
                          : lines.join('\n'));
  const QSignalBlocker quiet(m_mapOutput);
  m_mapOutput->clear();
  for (int k = 0; k < m; ++k) m_mapOutput->addItem(QString("y%1").arg(k));
  ShowMap();
}

void CBlockProperties::ShowMap() {
  const int output = m_mapOutput->currentIndex();
  const bool drawable = m_index >= 0 && m_block.m_inputCount <= kMaxKarnaughInputs && output >= 0 &&
                        static_cast<size_t>(output) < m_formulaCovers.size();
  m_mapOutput->setEnabled(drawable);
  if (!drawable) {
    m_map->Clear();
    m_map->hide();
    m_mapNote->setText(m_index < 0
                           ? QString()
                           : tr("Карта Карно строится для блоков не более чем с %1 входами.").arg(kMaxKarnaughInputs));
    return;
  }
  m_mapNote->setText(tr("Рамки — произведения формулы выхода; «–» — неопределённое слово."));
  m_map->SetFunction(m_block.m_inputCount, *m_words, output, m_formulaCovers[static_cast<size_t>(output)]);
  m_map->show();
}

QString CBlockProperties::Header() const { return m_header->text(); }

QStringList CBlockProperties::Connections() const {
  QStringList lines;
  for (int top = 0; top < m_connections->topLevelItemCount(); ++top) {
    const QTreeWidgetItem* group = m_connections->topLevelItem(top);
    for (int i = 0; i < group->childCount(); ++i) lines << group->child(i)->text(0) + ": " + group->child(i)->text(1);
  }
  return lines;
}

QStringList CBlockProperties::FormulaLines() const {
  QStringList lines;
  for (size_t k = 0; k < m_formulaCovers.size(); ++k)
    lines << QString::fromStdString(FormulaText(static_cast<int>(k), m_formulaCovers[k]));
  return lines;
}

QString CBlockProperties::ClipboardText() const {
  if (m_index < 0) return {};
  return QString::fromStdString(BlockFunctionText(m_block, m_formulaCovers));
}

}  // namespace lodex
