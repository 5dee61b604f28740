#include "ui/dialogs/AutoSynthDlg.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <memory>

#include "model/PrintableText.h"
#include "synthesis/AutomaticSynthesis.h"
#include "ui/widgets/DialogButtons.h"
#include "ui/widgets/HelpDesk.h"
#include "ui/window/ReasonText.h"

namespace lodex {

// What the worker hands back: its synthesised copy and the figures.
struct CAutoSynthDlg::Outcome {
  CLogicalScheme scheme;
  AutomaticSynthesisResult result;
  double seconds = 0;
};

namespace {

// "Блоков в схеме: 1, наибольшее число входов: 6".
QString SchemeSummary(const CLogicalScheme& scheme) {
  int widest = 0;
  for (int b = 1; b < scheme.GetBlockCount() - 1; ++b) widest = std::max<int>(widest, scheme.GetBlock(b).m_inputCount);
  return QCoreApplication::translate("lodex::CAutoSynthDlg", "Блоков в схеме: %1, наибольшее число входов: %2")
      .arg(std::max(0, scheme.GetBlockCount() - 2))
      .arg(widest);
}

}  // namespace

CAutoSynthDlg::CAutoSynthDlg(const CLogicalScheme& scheme, int maxInputs, SynthesisObjective objective, QWidget* parent)
    : QDialog(parent),
      m_scheme(scheme),
      m_maxInputs(new QSpinBox(this)),
      m_objective(new QComboBox(this)),
      m_start(new QPushButton(tr("Начать"), this)),
      m_progress(new QProgressBar(this)),
      m_status(new QLabel(this)) {
  setWindowTitle(tr("Автоматический синтез"));
  SetHelpTopic(this, help::kAutoSynthesis);
  m_maxInputs->setObjectName("MaxInputs");
  m_start->setObjectName("Start");
  m_maxInputs->setToolTip(tr("Сколько входов может остаться у каждого логического блока после синтеза"));
  m_start->setToolTip(tr("Синтезировать копию схемы; схема документа меняется только по OK"));
  m_progress->setToolTip(tr("Ход синтеза"));
  m_progress->setObjectName("Progress");
  m_status->setObjectName("Status");

  m_maxInputs->setRange(kMinBlockWidth, kMaxBlockWidth);
  m_maxInputs->setValue(std::clamp(maxInputs, kMinBlockWidth, kMaxBlockWidth));
  m_objective->setObjectName("Objective");
  m_objective->addItem(tr("Меньше элементов (LUT)"));
  m_objective->addItem(tr("Меньше ярусов"));
  m_objective->setToolTip(tr("Что синтез уменьшает в первую очередь: число одновыходных элементов или число ярусов"));
  m_objective->setCurrentIndex(objective == SynthesisObjective::Depth ? 1 : 0);
  // A result belongs to the K and the goal it was made for.
  const auto forget = [this] {
    if (!m_result) return;
    m_result.reset();
    m_progress->setValue(0);
    SetStatus({});
  };
  connect(m_maxInputs, &QSpinBox::valueChanged, this, forget);
  connect(m_objective, &QComboBox::currentIndexChanged, this, forget);
  connect(m_start, &QPushButton::clicked, this, &CAutoSynthDlg::Start);
  m_start->setAutoDefault(false);

  m_progress->setTextVisible(false);
  m_progress->setRange(0, 1);
  m_progress->setValue(0);
  m_status->setWordWrap(true);
  m_status->setTextFormat(Qt::PlainText);  // a failure may quote a block's name from the file
  m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
  m_status->setMinimumHeight(2 * m_status->fontMetrics().lineSpacing());
  m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Room for the longest progress line without the dialog changing width.
  m_status->setMinimumWidth(m_status->fontMetrics().horizontalAdvance(
                                tr("Блоков с числом входов больше %1: %2").arg(8).arg(QStringLiteral("0000"))) +
                            8);

  QDialogButtonBox* buttons = OkCancelButtons(this);
  m_ok = buttons->button(QDialogButtonBox::Ok);

  auto* label = new QLabel(tr("&Наибольшее число входов блока:"), this);
  label->setBuddy(m_maxInputs);
  auto* width = new QGridLayout;
  width->addWidget(label, 0, 0);
  width->addWidget(m_maxInputs, 0, 1);
  width->addWidget(m_start, 0, 2);
  auto* goal = new QLabel(tr("&Цель:"), this);
  goal->setBuddy(m_objective);
  width->addWidget(goal, 1, 0);
  width->addWidget(m_objective, 1, 1, 1, 2);
  width->setColumnStretch(0, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(SchemeSummary(m_scheme), this));
  layout->addLayout(width);
  layout->addSpacing(6);
  layout->addWidget(m_progress);
  layout->addWidget(m_status);
  layout->addStretch();
  layout->addWidget(buttons);
  SetStatus({});
}

CAutoSynthDlg::~CAutoSynthDlg() { m_worker.Stop(); }

int CAutoSynthDlg::MaxInputs() const { return m_maxInputs->value(); }

SynthesisObjective CAutoSynthDlg::Objective() const {
  return m_objective->currentIndex() == 1 ? SynthesisObjective::Depth : SynthesisObjective::Luts;
}

void CAutoSynthDlg::Start() {
  if (IsRunning()) return;
  m_result.reset();
  m_maxInputs->setEnabled(false);
  m_objective->setEnabled(false);
  m_start->setEnabled(false);
  m_progress->setRange(0, 0);  // busy: how many steps remain is not known
  SetStatus(tr("Синтез..."));
  setCursor(Qt::BusyCursor);

  const int k = MaxInputs();
  const SynthesisObjective objective = Objective();
  auto outcome = std::make_shared<Outcome>(Outcome{m_scheme, {}, 0});
  m_worker.Start(
      [this, outcome, k, objective] {
        AutomaticSynthesisOptions options;
        options.maxInputs = k;
        options.objective = objective;
        options.progress = [this, k](int wide) {
          if (!m_worker.KeepGoing()) return false;
          m_worker.Post([this, k, wide] { SetStatus(tr("Блоков с числом входов больше %1: %2").arg(k).arg(wide)); });
          return true;
        };
        const auto start = std::chrono::steady_clock::now();
        outcome->result = RunAutomaticSynthesis(outcome->scheme, options);
        outcome->seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      },
      [this, outcome](const std::string& error) { OnFinished(*outcome, error); });
}

void CAutoSynthDlg::Stop() {
  if (!IsRunning()) return;
  m_worker.Stop();
  EndRun();
  m_progress->setValue(0);
  SetStatus(tr("Синтез прерван"));
}

void CAutoSynthDlg::OnFinished(const Outcome& outcome, const std::string& error) {
  const QString failure = !error.empty()               ? QString::fromStdString(PrintableText(error))
                          : outcome.result.status.ok() ? QString()
                                                       : WordReason(outcome.result.status.reason()).text;
  if (failure.isEmpty()) m_result = outcome.scheme;
  EndRun();
  if (!failure.isEmpty()) {
    m_progress->setValue(0);
    SetStatus(tr("Синтез не выполнен: %1").arg(failure), true);
    emit Finished(false);
    return;
  }
  m_progress->setValue(m_progress->maximum());
  SetStatus(tr("Блоков: %1, ярусов: %2, время: %3 с")
                .arg(outcome.result.blocks)
                .arg(outcome.result.tiers)
                .arg(QLocale(QLocale::Russian).toString(outcome.seconds, 'f', 2)));
  emit Finished(true);
  if (m_acceptWhenDone) accept();
}

void CAutoSynthDlg::EndRun() {
  unsetCursor();
  m_maxInputs->setEnabled(true);
  m_objective->setEnabled(true);
  m_start->setEnabled(true);
  m_progress->setRange(0, 1);
  if (!m_result) {
    // A run that did not succeed leaves OK free to try again.
    m_acceptWhenDone = false;
    m_ok->setEnabled(true);
  }
}

void CAutoSynthDlg::accept() {
  if (m_result) {
    QDialog::accept();
    return;
  }
  // The result comes first; the dialog closes when it does.
  m_acceptWhenDone = true;
  m_ok->setEnabled(false);
  Start();
}

void CAutoSynthDlg::reject() {
  if (IsRunning()) {
    Stop();
    return;
  }
  QDialog::reject();
}

void CAutoSynthDlg::done(int result) {
  m_worker.Stop();
  QDialog::done(result);
}

void CAutoSynthDlg::SetStatus(const QString& text, bool failure) {
  m_status->setStyleSheet(failure ? "color: #b00000;" : QString());
  m_status->setText(text);
}

}  // namespace lodex
