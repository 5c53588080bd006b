#pragma once

// The texts of the dcdrive windows, as the users know them (blanks and letters exactly as they
// stand). The core holds the texts of messages, grid headers, motor labels and file filters.

namespace dcdrive::ui {

// Windows
inline constexpr const char* kMainCaption = "Программа расчета энергетических показателей электропривода";
inline constexpr const char* kTachoEditorCaption = "Построение тахограммы и нагрузочной диаграммы";
inline constexpr const char* kMotorWindowCaption = "Ввод данных";
inline constexpr const char* kGeneratorMotorCaption = " Ввод данных для системы Г-Д";
inline constexpr const char* kConverterMotorCaption = "Ввод данных для расчета системы ТП-Д";
inline constexpr const char* kCoefficientCaption = "Ввод коэффициентов";
inline constexpr const char* kAboutCaption = "О программе.";
// Charts
inline constexpr const char* kChartTitle = "Тахограмма и нагрузочная диаграмма";
// Main window menu
inline constexpr const char* kMenuFile = "Файл";
inline constexpr const char* kMenuLoadDiagram = "Загрузить данные тахограммы";
inline constexpr const char* kMenuLoadMotor = "Загрузить данные двигателя";
inline constexpr const char* kMenuSaveDiagram = "Сохранить данные диаграммы";
inline constexpr const char* kMenuSaveMotor = "Сохранить данные двигателя";
inline constexpr const char* kMenuExit = "Выход";
inline constexpr const char* kMenuInput = "Ввод данных";
inline constexpr const char* kMenuTachogram = "Тахограмма";
inline constexpr const char* kMenuMotor = "Двигатель";
inline constexpr const char* kMenuCalculation = "Расчет";
inline constexpr const char* kMenuGeneratorMotor = "Схема Г-Д";
inline constexpr const char* kMenuConverterMotor = "Схема ТП-Д";
inline constexpr const char* kMenuHelp = "Помощь";
inline constexpr const char* kMenuAbout = "О программе";
// Main window tool button hints
inline constexpr const char* kHintLoadDiagram = "Загрузить данные тахограммы";
inline constexpr const char* kHintLoadMotor = "Загрузить данные двигателя";
inline constexpr const char* kHintSaveDiagram = "Сохранить диаграмму";
inline constexpr const char* kHintSaveMotor = "Сохранить данные двигателя";
inline constexpr const char* kHintShowResults = "Показать результаты расчета";
inline constexpr const char* kHintClear = "Очистить";
inline constexpr const char* kHintShowChart = "Показать график тахограммы и нагрузочной диаграммы ";
// Load diagram editor tool button hints
inline constexpr const char* kHintDraw = "Построить графики";
inline constexpr const char* kHintReset = "Сбросить данные тахограммы и нагрузочной диаграммы";
inline constexpr const char* kHintLoadDiagrams = "Загрузить данные диаграмм";
inline constexpr const char* kHintSaveDiagrams = "Сохранить данные диаграмм";
inline constexpr const char* kHintSavePicture = "Согхранить диаграммы";
inline constexpr const char* kHintAccept = "Принять введёные значения";
// Motor window
inline constexpr const char* kMotorGroupBox = " Ввод параметров ЭД ";
inline constexpr const char* kFieldGroupBox = " Параметры обмотки возбуждения ";
inline constexpr const char* kHintMotorLoad = "Загрузить данные двигателя";
inline constexpr const char* kHintMotorSave = "Сохранить данные двигателя";
inline constexpr const char* kHintMotorCancel = "Отмена изменений";
inline constexpr const char* kHintMotorAccept = "Принятие изменений";
// Generator-motor window
inline constexpr const char* kGeneratorResistanceLabel = "Сопротивление ОЯ  Rгс, Ом";
inline constexpr const char* kGeneratorFieldResistanceLabel = "- генератора Rвг, Ом";
inline constexpr const char* kGeneratorFieldInductanceLabel = "- генератора Lвг, Гн";
inline constexpr const char* kGeneratorFieldGroupBox = " Параметры обмотки возбуждения ";
inline constexpr const char* kGeneratorSourceDataBox = "Выводить исходные данные";
inline constexpr const char* kGeneratorOk = "ОК";
// Converter-motor window
inline constexpr const char* kConverterEmfLabel = "Э.Д.С. ТП Еп, В";
inline constexpr const char* kConverterResistanceLabel = "Сопротивление ТП Rп, Ом";
inline constexpr const char* kTransformerLossLabel = "Потери холостого хода трансформатора  Рх, Вт";
inline constexpr const char* kRampGeneratorBox = "Наличие задатчика интенсивности";
inline constexpr const char* kConverterGroupBox = " Система ТП-Д ";
inline constexpr const char* kConverterSourceDataBox = "Выводить исходные данные?";
// Coefficient window
inline constexpr const char* kKiLabel = "Кi =";
inline constexpr const char* kKfLabel = "Kф =";
inline constexpr const char* kCoefficientGroupBox = " Вводимые даные ";
inline constexpr const char* kKiTableTitle = " Таблица коэффициентов переменных потерь Ki";
inline constexpr const char* kKiTableMotorType = "Тип двигателя";
inline constexpr const char* kKiTableFrequency1 = "Частота первой";
inline constexpr const char* kKiTableFrequency2 = "гармоники тока , Гц";
inline constexpr const char* kKiTableKi = "Ki";
inline constexpr const char* kKfTableTitle = "Таблица коэффициентов формы тока Кф";
inline constexpr const char* kKfTableSine1 = "Синусоидальная ";
inline constexpr const char* kKfTableSine2 = "форма тока";
inline constexpr const char* kKfTableRectangle1 = "Прямоугольная ";
inline constexpr const char* kKfTableRectangle2 = "форма тока";
inline constexpr const char* kKfTableAngle1 = "Угол прово-";
inline constexpr const char* kKfTableAngle2 = "димости, град";
inline constexpr const char* kKfTableKf = "Кф";
// About box
inline constexpr const char* kAboutTitle1 = "Программа расчета энергетических";
inline constexpr const char* kAboutTitle2 = "показателей электроприводов постоян -";
inline constexpr const char* kAboutTitle3 = "ного тока";
inline constexpr const char* kAboutText1 = "Программа производит расчет потерь энергии в системе замкнутого";
inline constexpr const char* kAboutText2
    = "регулирования по схеме ТП-Д и Г-Д при работе в холостую и при постоян - ";
inline constexpr const char* kAboutText3
    = "ной нагрузке с Мс=const  в установившихся и переходных режимах, учиты-";
inline constexpr const char* kAboutText4 = "вая наличие задатчика интенсивности или его отсутствие";

// Rows of the table of variable-loss factors: motor type (on the first row of its group),
// frequency of the first current harmonic in Hz, Ki; decimals with a full stop as printed.
inline constexpr const char* kKiTableRows[][3] = {
    { "ПБС1-43", "100", "1.1" },
    { "", "150", "1.15" },
    { "", "300", "1.2" },
    { "2П-160", "100", "1.1" },
    { "", "150", "1.18" },
    { "", "300", "1.22" },
    { "2П-112", "100", "1.05" },
    { "", "150", "1.1" },
    { "", "300", "1.15" },
    { "2П-200", "100", "1.3" },
    { "", "150", "1.36" },
    { "", "300", "1.38" },
};

// Rows of the table of current form factors: conduction angle in degrees, Kф of sinusoidal and
// of rectangular current; decimals with a full stop as printed.
inline constexpr const char* kKfTableRows[][3] = {
    { "180", "1.57", "1.41" },
    { "120", "1.87", "1.73" },
    { "90", "2.22", "2.0" },
    { "60", "2.27", "2.45" },
    { "30", "3.99", "3.46" },
};

} // namespace dcdrive::ui
