#pragma once

namespace drivecalc {

inline constexpr const char* kUsage = R"(drivecalc - runs the calculations of acdrive and dcdrive with recorded answers

  drivecalc ac [--sample] [--diagram FILE.tah] [--points N] [--motor FILE.mot] [--rotor wound|cage]
               [--speeds N] [--speed-motor FILE.mot ...] --method NAME [--method NAME ...]
               [--answers FILE|-] [--answer TEXT ...] [--transcript] [--json]

  drivecalc dc --diagram FILE.tah --motor FILE.dpt [--motor-edit K=TEXT ...] --system gd|tpd
               [gd: --rgs TEXT --rvg TEXT --lvg TEXT]
               [tpd: --ep TEXT --rp TEXT --px TEXT [--ramp] [--ki TEXT] [--kf TEXT]]
               [--source-data] [--answers FILE|-] [--answer TEXT ...] [--transcript] [--json]

AC set-up, applied in this order, each as the desktop program's command:
  --sample            the sample tool button: the built-in drive (4 points, wound-rotor motor)
  --diagram FILE      the editor's open button on a fresh grid, then its grid read
  --points N          sets the number of points (0 .. 31) after the set-up above
  --motor FILE        the motor window's load, then its accept
  --rotor wound|cage  the rotor type of a single-speed motor, then the menu update
  --speeds N          the multi-speed motor command with N speeds (1 .. 10), each accepted as shown
  --speed-motor FILE  (repeatable) speed k of a multi-speed motor loaded from the k-th file and
                      accepted; the number of speeds is the number of files
  A set-up file that cannot be opened ends the run (exit 2); a short file gets the program's
  read-error message on stderr and the run goes on, as in the desktop program.

AC methods (--method, run in turn on the same data set):
  mains "Сеть - АД", freq "ПЧ - АД", tvr "ТРН - АД", rheostat "РСР", pulse "ИРР",
  multispeed "Многоск. АД". A method the calculation menu has disabled is refused.

DC set-up, as the desktop program's windows would run it (one calculation per run):
  --diagram FILE      the load diagram editor's open button, then its accept button
  --motor FILE        the motor window's load button; each --motor-edit K=TEXT then types TEXT
                      into edit K (1 Uн ... 10 Мс ... 13 Iвн; Мс "0,0" is idle running); then
                      its accept button
  --system gd         "Схема Г-Д": --rgs, --rvg, --lvg are the texts of Rгс, Rвг, Lвг
  --system tpd        "Схема ТП-Д": --ep, --rp, --px are the texts of Eп, Rп, Px (Rп and Px
                      whole numbers); --ramp ticks the ramp generator; --ki and --kf are the
                      coefficient window's texts (1,1 and 1,57 unless given)
  --source-data       ticks the input window's source-data box
  A load diagram editor that a calculation opens is closed without changes.
  Outcomes: completed; ended (by the calculation's own message or question); refused (the
  inputs were refused before the calculation); error; unanswered.

Answers, one a line in question order (the file's lines first, then each --answer):
  a number question takes the line as typed (an empty line is the empty answer),
  a two-way choice takes 1 (first option) or 2, a Yes/No question y or n.
  --transcript prints each question (carriage returns as " / "), its answer and every notice
  to stderr.

Output: the lines each run appends to the results pane (notices on stderr), or with --json
one object with the runs, their stretches, notices, questions and report lines. dc prints the
memo lines (messages on stderr), or with --json one object with the outcome, messages,
questions, memo, the motor's derived quantities, the stretches, the totals and the cycle.

Exit status:
  0  the runs ended as the calculations decide
  1  a run stopped by a conversion or arithmetic error (the following runs still run),
     or (dc) the inputs were refused before the calculation
  2  usage error, a choice answer other than 1 or 2, a file that cannot be opened
  3  the answers ran out (the unanswered question is printed; what ran is still reported)
)";

}  // namespace drivecalc
