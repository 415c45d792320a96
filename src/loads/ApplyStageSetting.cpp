#include "ApplyStageSetting.h"

#include "circuit/Calculate.h"
#include "circuit/CommandView.h"
#include "engnum/EngValue.h"

void ApplyStageSetting(CommandView& view, const StageSettingRow& row, const std::string& L,
                       const std::string& RS) {
  if (view.GetFieldText(Field::L, kMaxFieldText) != L) view.SetFieldText(Field::L, L);
  if (view.GetFieldText(Field::RS, kMaxFieldText) != RS) view.SetFieldText(Field::RS, RS);
  ApplyLoad(view, row.C, row.RL);
}

void ApplyLoad(CommandView& view, double C, double RL) {
  view.SetFieldText(Field::C, FormatEngValue(C, 6));
  view.SetFieldText(Field::RL, FormatEngValue(RL, 6));
  RunCalculate(view);
}
