#pragma once

class CommandView;

inline constexpr const char* kNotVerifiedText = "Calculation did not verify,\nCheck inputs";
inline constexpr const char* kIterationFailedText = "Iteration verification failed,\nCheck inputs";

// The load of a wanted value is solved, written into its field(s), and then
// Calculate runs on the fields as displayed. Inputs are stored into g_circuit
// as read; any input not greater than zero shows the input-error box and
// changes nothing. A solution that does not verify shows its own box (captioned
// with the application name) and changes nothing either.

// Inputs L, RS, RL, Q; solves C for the Q.
void RunOptimizeCFromQ(CommandView& view);
// Inputs L, RS, C, Q; solves RL for the Q.
void RunOptimizeRLFromQ(CommandView& view);
// Inputs L, RS, RL, F; solves C for the F. The Q field is not read.
void RunOptimizeCFromF(CommandView& view);
// Inputs L, RS, RL (47k when not positive), F, Q; solves C and RL together.
// The C field is not read.
void RunFullOptimization(CommandView& view);
