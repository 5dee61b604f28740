#include "app/dialogs/FictDialog.h"

#include "model/WeightText.h"

namespace lodex {

CFictDialogModel::CFictDialogModel(int inputs, DependencyMatrix matrix)
    : m_inputs(inputs), m_matrix(std::move(matrix)) {
  for (int i = 0; i < m_inputs; ++i)
    if (!Essential(i)) m_found = true;
}

bool CFictDialogModel::Essential(int input) const {
  const auto row = static_cast<size_t>(input);
  return row < m_matrix.size() && !m_matrix[row].empty() && m_matrix[row][0] != 0;
}

std::vector<std::string> CFictDialogModel::InputItems() const {
  std::vector<std::string> items;
  for (int t = 0; t < m_inputs; ++t) items.push_back("In" + WeightText(m_inputs - 1 - t));
  return items;
}

std::vector<FictGridRow> CFictDialogModel::GridRows() const {
  std::vector<FictGridRow> rows;
  for (int t = 0; t < m_inputs; ++t) {
    const int input = m_inputs - 1 - t;
    rows.push_back({"In" + WeightText(input), " " + std::to_string(Essential(input) ? 1 : 0)});
  }
  return rows;
}

CFictDialogModel::PickResult CFictDialogModel::Pick(int item) {
  PickResult result;
  m_choice.out1 = 1;
  m_choice.in1 = (int32_t{1} << m_inputs) - 1;
  if (!m_found) {
    m_okEnabled = false;
    result.message = Phrase(PhraseCode::NoFictitiousInputs);
    return result;
  }
  if (item < 0 || item >= m_inputs) return result;
  const int input = m_inputs - 1 - item;
  if (!Essential(input)) {
    result.checkedItem = item;
    m_okEnabled = true;
    m_choice.in2 = int32_t{1} << input;
    m_choice.in1 -= m_choice.in2;
  }
  return result;
}

}  // namespace lodex
