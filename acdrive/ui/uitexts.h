#pragma once

// Every text the acdrive windows show, as the users of the program know it: captions, menu
// items, hints, labels, filters. Kept in one place so that a text is written once, byte for
// byte (some deliberately hold a Latin letter or a double blank).

namespace acdrive::ui {

inline constexpr char kMainCaption[] = "Расчет энергетических показателей ЭП переменного тока";
inline constexpr char kSecondGraphGroup[] = "2-й график";
inline constexpr char kComparisonGroup[] = " Расчет ";
inline constexpr char kComparisonEfficiency[] = "КПД";
inline constexpr char kComparisonPowerFactor[] = "сos f";
inline constexpr char kComparisonActivePower[] = "P";
inline constexpr char kComparisonReactivePower[] = "Q";
inline constexpr char kChartTitleFirst[] = "Тахограмма и";
inline constexpr char kChartTitleSecond[] = "нагрузочная диаграмма";
inline constexpr char kTimeAxis[] = "время";
inline constexpr char kSpeedAxis[] = "скорость";
inline constexpr char kLoadSeriesInitial[] = "Момент";
inline constexpr char kBarChartTitle[] = "Cоотношение расчетных величин";
inline constexpr char kMenuData[] = "Данные";
inline constexpr char kMenuCalculation[] = "Расчет";
inline constexpr char kMenuMotor[] = "Двигатель";
inline constexpr char kMenuSingleSpeed[] = "односкоростной";
inline constexpr char kMenuWoundRotor[] = "фазный";
inline constexpr char kMenuCageRotor[] = "короткозамкнутый";
inline constexpr char kMenuMultiSpeed[] = "многоскоростной";
inline constexpr char kMenuDiagram[] = "диаграмма...";
inline constexpr char kMenuPrint[] = "Печать";
inline constexpr char kMenuChoosePrinter[] = "Выбор принтера...";
inline constexpr char kMenuHelp[] = "?";
inline constexpr char kMenuHelpContents[] = "справка";
inline constexpr char kMenuAbout[] = "О программе...";
inline constexpr char kMenuExit[] = "Выход";
inline constexpr char kHintLoadDiagram[] = "Загрузить диаграмму";
inline constexpr char kHintLoadMotor[] = "Закрузить параметры двигателя";
inline constexpr char kHintSaveChart[] = "Сохранить диаграмму";
inline constexpr char kBitmapFilter[] = "Точечные рисунки|*.bmp";
inline constexpr char kHintSaveMotor[] = "Сохранить параметры двигателя";
inline constexpr char kHintShowResults[] = "Показать результаты расчета";
inline constexpr char kHintClear[] = "Очистить";
inline constexpr char kHintShowTachogram[] = "Показать график тахограммы и нагрузочной диаграммы";
inline constexpr char kHintShowComparison[] = "Показать соотношения величин";
inline constexpr char kHintSample[] = "Заполнить данные (для отладки)";
inline constexpr char kHintExit[] = "Выход из программы";
inline constexpr char kNumberDialogCaption[] = "Ввод параметра";
inline constexpr char kChoiceDialogCaption[] = "Выбор ";
inline constexpr char kEditorCaption[] = "Тахограмма и нагрузочная диаграмма";
inline constexpr char kGradientCheck[] = "градиент";
inline constexpr char kErrorPanel[] = " Ошибка ";
inline constexpr char kErrorPanelText[] = "Введеные данные содержат ошибку повторите ввод";
inline constexpr char kErrorPanelOk[] = "ОК";
inline constexpr char kHintBuild[] = "Построить графики";
inline constexpr char kHintReset[] = "Сбросить данные диаграмм";
inline constexpr char kHintOpenDiagram[] = "Открыть данные диаграмм";
inline constexpr char kHintSaveDiagram[] = "Сохранить данные диаграмм";
inline constexpr char kHintSavePicture[] = "Сохранить изображение диаграмм";
inline constexpr char kHintAccept[] = "Принять введеные значения";
inline constexpr char kDiagramFilter[] = "Файлы тахограмм и нагрузочных диаграмм|*.tah";
inline constexpr char kMotorCaption[] = "Параметры двигателя";
inline constexpr char kStepLabel[] = "Ступень №";
inline constexpr char kRotorTypeLabel[] = "Тип ротора :";
inline constexpr char kHintAcceptMotor[] = "Принять изменения";
inline constexpr char kHintCancelMotor[] = "Отмена изменений";
inline constexpr char kMotorFilter[] = "Файлы данных двигателя|*.mot";
inline constexpr char kSplashTitle1[] = "Программа расчета";
inline constexpr char kSplashTitle2[] = "энергетических показателей";
inline constexpr char kSplashTitle3[] = "электроприводов переменного тока";

// Captions of windows that only this program has: the help window.
inline constexpr char kHelpCaption[] = "Справка";
// The about box has neither border nor close box: a line under its picture says how to close it.
inline constexpr char kSplashCloseHint[] = "Щелкните по рисунку, чтобы закрыть";

} // namespace acdrive::ui
