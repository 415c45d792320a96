#pragma once

class CommandView;

inline constexpr const char* kInputErrorText = "Input error:\nCheck entries.\nZero disallowed for inputs";
inline constexpr const char* kInputErrorCaption = "Error";

// Reads L, RS, C and RL, stores each into g_circuit at once, and on success
// computes F and Q into the record, writes both fields and hands the plot the
// current curve. Any value not greater than zero shows the input-error box once
// and changes nothing else.
void RunCalculate(CommandView& view);
