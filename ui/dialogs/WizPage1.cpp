#include "ui/dialogs/WizPage1.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/Wizard.h"
#include "model/LogicSequence.h"
#include "ui/dialogs/EditLPDlg.h"
#include "ui/dialogs/OutputChoiceDlg.h"
#include "ui/widgets/HelpDesk.h"
#include "ui/widgets/Language.h"

namespace lodex {
namespace {

QComboBox* CountCombo(int items, const char* name, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  for (int i = 1; i <= items; ++i) combo->addItem(QString::number(i));
  combo->setCurrentIndex(-1);
  return combo;
}

}  // namespace

CWizPage1::CWizPage1(CDocumentHost& host, QWidget* parent)
    : QWizardPage(parent),
      m_host(host),
      m_name(new QLineEdit(this)),
      m_fromFile(new QRadioButton(tr("Импорт из &файла"), this)),
      m_fromEntry(new QRadioButton(tr("Ввести &последовательность"), this)),
      m_file(new QLineEdit(this)),
      m_browse(new QToolButton(this)),
      m_keyboard(new QPushButton(tr("С &клавиатуры"), this)),
      m_schematic(new QPushButton(tr("И&з SCH файла"), this)),
      m_inputs(CountCombo(kInputItems, "Inputs", this)),
      m_outputs(CountCombo(kOutputItems, "Outputs", this)) {
  SetHelpTopic(this, help::kWizard);
  m_name->setObjectName("Name");
  m_fromFile->setObjectName("FromFile");
  m_fromEntry->setObjectName("FromEntry");
  m_file->setObjectName("File");
  m_browse->setObjectName("Browse");
  m_keyboard->setObjectName("Keyboard");
  m_schematic->setObjectName("Schematic");
  m_browse->setText(tr("О&бзор..."));
  m_file->setPlaceholderText("*.lof, *.pla");
  m_name->setToolTip(tr("Имя проекта, под которым схема будет сохранена"));
  m_fromFile->setToolTip(tr("Взять логическую последовательность из файла *.lof или *.pla"));
  m_fromEntry->setToolTip(tr("Ввести логическую последовательность с клавиатуры или получить из схемы SCH"));
  m_file->setToolTip(tr("Файл логической последовательности (*.lof) или Berkeley PLA (*.pla)"));
  m_browse->setToolTip(tr("Выбрать файл логической последовательности"));
  m_keyboard->setToolTip(tr("Ввести слова логической последовательности для выбранного числа входов и выходов"));
  m_schematic->setToolTip(tr("Вычислить логическую последовательность по схеме SCH"));
  m_inputs->setToolTip(tr("Число входов схемы: от 1 до %1").arg(kInputItems));
  m_outputs->setToolTip(tr("Число выходов схемы: от 1 до %1").arg(kOutputItems));
  // Enter goes on to the next page, also right after an entry dialog has
  // given the focus back to the button that opened it.
  m_keyboard->setAutoDefault(false);
  m_schematic->setAutoDefault(false);

  auto* sources = new QButtonGroup(this);
  sources->addButton(m_fromFile, 0);
  sources->addButton(m_fromEntry, 1);
  connect(sources, &QButtonGroup::idClicked, this, &CWizPage1::OnSourceChosen);
  // The file choice names the field beside it: choosing it puts the cursor
  // there, once the field is enabled.
  connect(sources, &QButtonGroup::idClicked, this, [this](int source) {
    if (source == 0) m_file->setFocus();
  });
  connect(m_browse, &QToolButton::clicked, this, &CWizPage1::OnBrowse);
  connect(m_keyboard, &QPushButton::clicked, this, &CWizPage1::OnKeyboard);
  connect(m_schematic, &QPushButton::clicked, this, &CWizPage1::OnSchematic);
  OnSourceChosen();

  const auto label = [this](const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text, this);
    l->setBuddy(buddy);
    return l;
  };
  auto* name = new QFormLayout;
  name->addRow(label(tr("&Имя проекта"), m_name), m_name);

  auto* group = new QGroupBox(tr("Логическая последовательность"), this);
  auto* grid = new QGridLayout(group);
  grid->addWidget(m_fromFile, 0, 0);
  auto* file = new QHBoxLayout;
  file->addWidget(m_file, 1);
  file->addWidget(m_browse);
  grid->addLayout(file, 0, 1, 1, 2);
  grid->addWidget(m_fromEntry, 1, 0);
  grid->addWidget(m_keyboard, 1, 1);
  grid->addWidget(m_schematic, 1, 2);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(2, 1);

  auto* counts = new QGridLayout;
  counts->addWidget(label(tr("Количество &входов схемы"), m_inputs), 0, 0);
  counts->addWidget(m_inputs, 1, 0);
  counts->addWidget(label(tr("Количество в&ыходов схемы"), m_outputs), 0, 1);
  counts->addWidget(m_outputs, 1, 1);

  // Tab walks the page top down, each source followed by what it uses.
  QWidget* const order[] = {m_name,   m_inputs,    m_outputs,  m_fromFile, m_file,
                            m_browse, m_fromEntry, m_keyboard, m_schematic};
  for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(name);
  layout->addSpacing(8);
  layout->addLayout(counts);
  layout->addSpacing(8);
  layout->addWidget(group);
  layout->addStretch();
}

void CWizPage1::SetName(const std::string& name) { m_name->setText(QString::fromStdString(name)); }

std::string CWizPage1::Name() const { return m_name->text().toStdString(); }

int CWizPage1::Source() const { return m_fromFile->isChecked() ? 0 : m_fromEntry->isChecked() ? 1 : -1; }

int CWizPage1::Inputs() const { return m_inputs->currentIndex() + 1; }

int CWizPage1::Outputs() const { return m_outputs->currentIndex() + 1; }

void CWizPage1::OnSourceChosen() {
  // Without a choice yet, neither source can be used.
  const int source = Source();
  m_file->setEnabled(source == 0);
  m_browse->setEnabled(source == 0);
  m_keyboard->setEnabled(source == 1);
  m_schematic->setEnabled(source == 1);
}

void CWizPage1::Tell(const Phrase& phrase) {
  m_host.Show(Message{{}, kAppTitle, MessageButtons::Ok, MessageIcon::Warning, std::nullopt, {phrase}});
}

void CWizPage1::OnBrowse() {
  if (const std::optional<std::string> path = m_host.AskOpenFile(kSequenceFileDialog))
    m_file->setText(QString::fromStdString(*path));
}

void CWizPage1::OnKeyboard() {
  if (const std::optional<Phrase> refusal = KeyboardEntryRefusal(m_inputs->currentIndex(), m_outputs->currentIndex())) {
    Tell(*refusal);
    return;
  }
  CEditLPDlg dialog(Inputs(), Outputs(), m_lp, m_host, this);
  if (dialog.exec() == QDialog::Accepted) m_lp = dialog.Sequence();
}

void CWizPage1::OnSchematic() {
  if (const std::optional<std::string> path = m_host.AskOpenFile(kSchematicDialog)) ImportSchematic(*path);
}

void CWizPage1::ImportSchematic(const std::string& path) {
  const CTarrowLoader loader = m_tarrowFolder ? CTarrowLoader(*m_tarrowFolder) : CTarrowLoader();
  // A schematic of several outputs: the user ticks those the project is
  // made of; it is then built over only the inputs they depend on.
  const SchematicOutputs ports = loader.ListOutputs(path);
  std::optional<std::vector<std::string>> chosen;
  if (!ports.error && ports.outputs.size() > 1) {
    COutputChoiceDlg choice(ports.outputs, this);
    if (choice.exec() != QDialog::Accepted) return;
    if (!choice.AllChosen()) chosen = choice.Chosen();
  }
  const SchematicSequence imported = chosen ? loader.CalcForOutputs(path, *chosen) : loader.CalcFromFile(path);
  if (imported.error) {
    m_lp.clear();
    m_host.Show(Message{{}, kAppTitle, MessageButtons::Ok, MessageIcon::Warning, *imported.error});
    return;
  }
  CEditLPDlg dialog(imported, m_host, this);
  if (dialog.exec() != QDialog::Accepted) return;
  m_lp = dialog.Sequence();
  m_inputs->setCurrentIndex(CountSelection(dialog.Inputs(), kInputItems));
  m_outputs->setCurrentIndex(CountSelection(dialog.Outputs(), kOutputItems));
}

bool CWizPage1::validatePage() {
  const WizardPage1Next next = NextFromPage1(Source(), m_file->text().toStdString(), m_lp);
  if (next.message) {
    Tell(*next.message);
    return false;
  }
  if (next.refusal) {
    m_host.Show(Message{{}, kAppTitle, MessageButtons::Ok, MessageIcon::Warning, next.refusal});
    return false;
  }
  m_lp = next.lp;
  if (next.inputs) m_inputs->setCurrentIndex(CountSelection(*next.inputs, kInputItems));
  if (next.outputs) m_outputs->setCurrentIndex(CountSelection(*next.outputs, kOutputItems));
  return next.advance;
}

}  // namespace lodex
