<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>CommandLine</name>
    <message>
        <source>Ruzdo — тренажёр восприятия японских чисел на слух.</source>
        <translation>Ruzdo — a trainer for understanding Japanese numbers by ear.</translation>
    </message>
    <message>
        <source>Показать эту справку и выйти.</source>
        <translation>Show this help and exit.</translation>
    </message>
    <message>
        <source>Показать версию программы и выйти.</source>
        <translation>Show the program&apos;s version and exit.</translation>
    </message>
    <message>
        <source>Записать историю ответов в ФАЙЛ (CSV, UTF-8; «-» — в стандартный вывод) и выйти.</source>
        <translation>Write the history of answers to FILE (CSV, UTF-8; &apos;-&apos; for standard output) and exit.</translation>
    </message>
    <message>
        <source>ФАЙЛ</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Справка: %1 --help
</source>
        <translation>Help: %1 --help
</translation>
    </message>
    <message>
        <source>%1: лишний аргумент «%2».
</source>
        <translation>%1: unexpected argument &apos;%2&apos;.
</translation>
    </message>
    <message>
        <source>в стандартный вывод</source>
        <translation>to standard output</translation>
    </message>
    <message>
        <source>в «%1»</source>
        <translation>to &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1: не удалось записать историю ответов %2: %3
</source>
        <translation>%1: could not write the history of answers %2: %3
</translation>
    </message>
</context>
<context>
    <name>FieldGroup</name>
    <message>
        <source>Параметры поля выбора</source>
        <translation>Plate grid settings</translation>
    </message>
    <message>
        <source>Количество столбцов</source>
        <translation>Number of columns</translation>
    </message>
    <message>
        <source>Количество столбцов:</source>
        <translation>Number of columns:</translation>
    </message>
    <message>
        <source>Количество строк</source>
        <translation>Number of rows</translation>
    </message>
    <message>
        <source>Количество строк:</source>
        <translation>Number of rows:</translation>
    </message>
    <message>
        <source>Отступ первой плашки</source>
        <translation>First plate offset</translation>
    </message>
    <message>
        <source>Отступ первой плашки:</source>
        <translation>First plate offset:</translation>
    </message>
    <message>
        <source>Применить</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>GenerateGroup</name>
    <message>
        <source>Параметры генерации</source>
        <translation>Question settings</translation>
    </message>
    <message>
        <source>Минимальное значение</source>
        <translation>Minimum value</translation>
    </message>
    <message>
        <source>Минимальное значение:</source>
        <translation>Minimum value:</translation>
    </message>
    <message>
        <source>Максимальное значение</source>
        <translation>Maximum value</translation>
    </message>
    <message>
        <source>Максимальное значение:</source>
        <translation>Maximum value:</translation>
    </message>
    <message>
        <source>Счетный суффикс</source>
        <translation>Counter word</translation>
    </message>
    <message>
        <source>Счетный суффикс:</source>
        <translation>Counter word:</translation>
    </message>
    <message>
        <source>Шаблон</source>
        <translation>Template</translation>
    </message>
    <message>
        <source>Шаблон:</source>
        <translation>Template:</translation>
    </message>
    <message>
        <source>Скорость речи</source>
        <translation>Speech speed</translation>
    </message>
    <message>
        <source>Скорость
речи:</source>
        <translation>Speech
speed:</translation>
    </message>
    <message>
        <source>Интервал</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Интервал 
 (шаг 0.5с):</source>
        <translation>Interval
(step 0.5 s):</translation>
    </message>
    <message>
        <source>Количество вопросов</source>
        <translation>Number of questions</translation>
    </message>
    <message>
        <source>Количество вопросов:</source>
        <translation>Number of questions:</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Счетный суффикс: %1</source>
        <translation>Counter word: %1</translation>
    </message>
    <message>
        <source>%1,%2 с</source>
        <translation>%1.%2 s</translation>
    </message>
    <message>
        <source>Скорость речи: %1</source>
        <translation>Speech speed: %1</translation>
    </message>
    <message>
        <source>Интервал: %1</source>
        <translation>Interval: %1</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Показать</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Текущие настройки</source>
        <translation>Current settings</translation>
    </message>
    <message>
        <source>Вся история</source>
        <translation>All history</translation>
    </message>
    <message>
        <source>Режим</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Все</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Числа</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>Последовательности</source>
        <translation>Sequences</translation>
    </message>
    <message>
        <source>Без счётного слова</source>
        <translation>No counter word</translation>
    </message>
    <message>
        <source>Счётное слово</source>
        <translation>Counter word</translation>
    </message>
    <message>
        <source>Показать всю историю</source>
        <translation>Show all history</translation>
    </message>
    <message>
        <source>Ошибки</source>
        <translation>Mistakes</translation>
    </message>
    <message>
        <source>по дням</source>
        <translation>by day</translation>
    </message>
    <message>
        <source>по занятиям</source>
        <translation>by session</translation>
    </message>
    <message>
        <source>Доля ошибок</source>
        <translation>Mistake rate</translation>
    </message>
    <message>
        <source>Ответов пока нет.</source>
        <translation>No answers yet.</translation>
    </message>
    <message>
        <source>Для текущих настроек ответов нет; всего в истории: %1.</source>
        <translation>No answers for the current settings; %1 in the whole history.</translation>
    </message>
    <message>
        <source>Для выбранных условий ответов нет; всего в истории: %1.</source>
        <translation>No answers for the chosen filters; %1 in the whole history.</translation>
    </message>
    <message>
        <source>История ответов</source>
        <translation>History of answers</translation>
    </message>
    <message>
        <source>Ошибки по значениям</source>
        <translation>Mistakes by value</translation>
    </message>
    <message>
        <source>По значениям</source>
        <translation>By value</translation>
    </message>
    <message>
        <source>График доли ошибок</source>
        <translation>Chart of the mistake rate</translation>
    </message>
    <message>
        <source>Доля ошибок по дням</source>
        <translation>Mistake rate by day</translation>
    </message>
    <message>
        <source>Экспорт…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Очистить историю…</source>
        <translation>Clear history…</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Не удалось очистить историю ответов.

</source>
        <translation>Could not clear the history of answers.

</translation>
    </message>
    <message>
        <source>Не удалось сохранить историю ответов.

</source>
        <translation>Could not save the history of answers.

</translation>
    </message>
    <message>
        <source>История ответов недоступна.</source>
        <translation>The history of answers is not available.</translation>
    </message>
    <message>
        <source>Ответов: %1, ошибок: %2 (%3 %).</source>
        <translation>Answers: %1, mistakes: %2 (%3%).</translation>
    </message>
    <message>
        <source>Доля ошибок по занятиям</source>
        <translation>Mistake rate by session</translation>
    </message>
    <message>
        <source>Удалить всю историю ответов?</source>
        <translation>Delete the whole history of answers?</translation>
    </message>
    <message>
        <source>Экспорт истории ответов</source>
        <translation>Export the history of answers</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>Как в системе</source>
        <translation>System language</translation>
    </message>
</context>
<context>
    <name>LabelledComboBox</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Lessons</name>
    <message>
        <source>Время</source>
        <translation>Times</translation>
    </message>
    <message>
        <source>Даты</source>
        <translation>Dates</translation>
    </message>
    <message>
        <source>Цены</source>
        <translation>Prices</translation>
    </message>
    <message>
        <source>Телефоны</source>
        <translation>Phone numbers</translation>
    </message>
    <message>
        <source>Большие числа</source>
        <translation>Big numbers</translation>
    </message>
    <message>
        <source>Объявления</source>
        <translation>Announcements</translation>
    </message>
</context>
<context>
    <name>ListeningCondition</name>
    <message>
        <source>Тишина</source>
        <translation>Quiet</translation>
    </message>
    <message>
        <source>Речь как есть, без помех.</source>
        <translation>The speech as it is, with nothing in the way.</translation>
    </message>
    <message>
        <source>Телефон</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>Как по телефонной линии: только полоса 300–3400 Гц, сжатый и чуть искажённый звук; без шума.</source>
        <translation>As over a phone line: only the 300–3400 Hz band, compressed and slightly distorted; no noise.</translation>
    </message>
    <message>
        <source>Улица</source>
        <translation>Street</translation>
    </message>
    <message>
        <source>Шум улицы: гул машин, которые проезжают мимо.</source>
        <translation>Street noise: the hum of passing cars.</translation>
    </message>
    <message>
        <source>Толпа</source>
        <translation>Crowd</translation>
    </message>
    <message>
        <source>Гомон толпы: несколько человек рядом говорят о своём.</source>
        <translation>The babble of a crowd: several people nearby talking among themselves.</translation>
    </message>
    <message>
        <source>Вокзал</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Гулкий зал вокзала: эхо, толпа, далёкие объявления и шум поездов.</source>
        <translation>An echoing station hall: reverberation, a crowd, distant announcements and trains.</translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>Занятие</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>День</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Ответов нет</source>
        <translation>No answers</translation>
    </message>
    <message>
        <source>dd.MM</source>
        <translation>MMM d</translation>
    </message>
    <message>
        <source>Доля ошибок</source>
        <translation>Mistake rate</translation>
    </message>
</context>
<context>
    <name>ProgressModel</name>
    <message>
        <source>Занятие</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Вопросов</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Ошибок</source>
        <translation>Mistakes</translation>
    </message>
</context>
<context>
    <name>RunButtons</name>
    <message>
        <source>Повторить</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>Повторить вопрос (R, Ctrl+R, F5); без запуска — повторить последнее</source>
        <translation>Replay the question (R, Ctrl+R, F5); outside a run, replay the last one said</translation>
    </message>
    <message>
        <source>Параметры обучения</source>
        <translation>Training options</translation>
    </message>
    <message>
        <source>Параметры обучения: голос, что и как говорится, темп</source>
        <translation>Training options: the voice, what is said and how, the pace</translation>
    </message>
    <message>
        <source>Start: начать (F6)</source>
        <translation>Start: begin a run (F6)</translation>
    </message>
    <message>
        <source>Pause: пауза и продолжение (F7, Pause)</source>
        <translation>Pause: pause and resume (F7, Pause)</translation>
    </message>
    <message>
        <source>Stop: остановить (F8)</source>
        <translation>Stop: end the run (F8)</translation>
    </message>
</context>
<context>
    <name>SpeechVoice</name>
    <message>
        <source>Мужчина 1, обычный</source>
        <translation>Man 1, normal</translation>
    </message>
    <message>
        <source>Мужчина 1, низкий</source>
        <translation>Man 1, low</translation>
    </message>
    <message>
        <source>Мужчина 1, высокий</source>
        <translation>Man 1, high</translation>
    </message>
    <message>
        <source>Мужчина 1, быстрый</source>
        <translation>Man 1, fast</translation>
    </message>
    <message>
        <source>Мужчина 2, обычный</source>
        <translation>Man 2, normal</translation>
    </message>
    <message>
        <source>Мужчина 2, радостный</source>
        <translation>Man 2, happy</translation>
    </message>
    <message>
        <source>Мужчина 2, грустный</source>
        <translation>Man 2, sad</translation>
    </message>
    <message>
        <source>Мужчина 2, сердитый</source>
        <translation>Man 2, angry</translation>
    </message>
    <message>
        <source>Мужчина 2, быстрый</source>
        <translation>Man 2, fast</translation>
    </message>
    <message>
        <source>Женщина 1, обычная</source>
        <translation>Woman 1, normal</translation>
    </message>
    <message>
        <source>Женщина 1, радостная</source>
        <translation>Woman 1, happy</translation>
    </message>
    <message>
        <source>Женщина 1, грустная</source>
        <translation>Woman 1, sad</translation>
    </message>
    <message>
        <source>Женщина 1, сердитая</source>
        <translation>Woman 1, angry</translation>
    </message>
    <message>
        <source>Женщина 1, быстрая</source>
        <translation>Woman 1, fast</translation>
    </message>
    <message>
        <source>Женщина 2, обычная</source>
        <translation>Woman 2, normal</translation>
    </message>
    <message>
        <source>Женщина 2, радостная</source>
        <translation>Woman 2, happy</translation>
    </message>
    <message>
        <source>Женщина 2, грустная</source>
        <translation>Woman 2, sad</translation>
    </message>
    <message>
        <source>Женщина 2, сердитая</source>
        <translation>Woman 2, angry</translation>
    </message>
</context>
<context>
    <name>StatisticsGroup</name>
    <message>
        <source>Статистика</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Текущий вопрос:</source>
        <translation>Current question:</translation>
    </message>
    <message>
        <source>Текущий вопрос</source>
        <translation>Current question</translation>
    </message>
    <message>
        <source>Количество ошибок:</source>
        <translation>Mistakes:</translation>
    </message>
    <message>
        <source>Количество ошибок</source>
        <translation>Mistakes</translation>
    </message>
    <message>
        <source>Сказано</source>
        <translation>Said</translation>
    </message>
    <message>
        <source>Речь громче шума на столько децибел (меньше — труднее). Два верных ответа подряд — на 2 дБ труднее, ошибка — на 2 дБ легче.</source>
        <translation>How many decibels the speech is louder than the noise (fewer is harder). Two right answers in a row make it 2 dB harder, a mistake 2 dB easier.</translation>
    </message>
    <message>
        <source>Текущий вопрос: %1</source>
        <translation>Current question: %1</translation>
    </message>
    <message>
        <source>Количество ошибок: %1</source>
        <translation>Mistakes: %1</translation>
    </message>
    <message>
        <source>Речь громче шума на %1 дБ</source>
        <translation>Speech %1 dB louder than the noise</translation>
    </message>
    <message>
        <source>Речь тише шума на %1 дБ</source>
        <translation>Speech %1 dB quieter than the noise</translation>
    </message>
    <message>
        <source>Речь и шум одной громкости</source>
        <translation>Speech and noise equally loud</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Шаблон слишком длинный: %1 знаков, а можно не больше %2.</source>
        <translation>The template is too long: %1 characters, at most %2 are allowed.</translation>
    </message>
    <message>
        <source>Шаблон может содержать только знаки «_», цифры, латинские буквы, «-» и пробелы; знак «%1» не подходит.</source>
        <translation>The template may hold only &apos;_&apos;, digits, Latin letters, &apos;-&apos; and spaces; &apos;%1&apos; is not allowed.</translation>
    </message>
    <message>
        <source>Шаблон без знака «_» даёт одинаковые плашки: каждый «_» становится случайной цифрой.</source>
        <translation>A template without &apos;_&apos; makes every plate the same: each &apos;_&apos; becomes a random digit.</translation>
    </message>
    <message>
        <source>Шаблон даёт только %1 разных последовательностей, а плашек %2: добавьте в шаблон «_» или уменьшите диапазон.</source>
        <translation>The template makes only %1 different sequences for %2 plates: add a &apos;_&apos; to the template or narrow the range.</translation>
    </message>
    <message>
        <source>Синтезатор речи не может прочесть этот шаблон.</source>
        <translation>The speech synthesiser cannot read this template.</translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Верный ответ</source>
        <translation>Right answer</translation>
    </message>
    <message>
        <source>Итог: %1 из %2</source>
        <translation>Result: %1 of %2</translation>
    </message>
    <message>
        <source>; без ошибок</source>
        <translation>; no mistakes</translation>
    </message>
    <message>
        <source>; ошибки: %1</source>
        <translation>; mistakes: %1</translation>
    </message>
    <message>
        <source>Сказано: %1</source>
        <translation>Said: %1</translation>
    </message>
    <message>
        <source> Верно</source>
        <translation> Right</translation>
    </message>
    <message>
        <source> Нажато: %1</source>
        <translation> Clicked: %1</translation>
    </message>
    <message>
        <source> Ответа не было</source>
        <translation> No answer</translation>
    </message>
    <message>
        <source> (ждут записи: %1)</source>
        <translation> (waiting to be written: %1)</translation>
    </message>
    <message>
        <source>История ответов повреждена; начата новая.</source>
        <translation>The history of answers was damaged; a new one has been started.</translation>
    </message>
    <message>
        <source>Повреждённый файл отложен как %1.</source>
        <translation>The damaged file was set aside as %1.</translation>
    </message>
    <message>
        <source>История занята другой программой%1</source>
        <translation>The history is held by another program%1</translation>
    </message>
    <message>
        <source>Ответы ждут и будут записаны, когда файл освободится.</source>
        <translation>The answers are waiting and will be written when the file is free.</translation>
    </message>
    <message>
        <source>Нет места на диске для истории%1</source>
        <translation>No disk space left for the history%1</translation>
    </message>
    <message>
        <source>Ответы ждут и будут записаны, когда место освободится.</source>
        <translation>The answers are waiting and will be written when there is space.</translation>
    </message>
    <message>
        <source>История ответов повреждена%1</source>
        <translation>The history of answers is damaged%1</translation>
    </message>
    <message>
        <source>Повреждённый файл не удалось отложить.</source>
        <translation>The damaged file could not be set aside.</translation>
    </message>
    <message>
        <source>История от более новой версии: не изменяется.</source>
        <translation>The history is from a newer version: it is left unchanged.</translation>
    </message>
    <message>
        <source>Ответы этого сеанса в неё не записываются.</source>
        <translation>The answers of this session are not written to it.</translation>
    </message>
    <message>
        <source>Нет записи в папку данных%1</source>
        <translation>Cannot write to the data folder%1</translation>
    </message>
    <message>
        <source>История не ведётся, пока запись невозможна; ответы ждут.</source>
        <translation>No history is kept while writing is impossible; the answers are waiting.</translation>
    </message>
    <message>
        <source>Разница максимального и минимального значений должна быть меньше 100!</source>
        <translation>The difference between the maximum and minimum values must be less than 100!</translation>
    </message>
    <message>
        <source>Разные</source>
        <translation>Mixed</translation>
    </message>
    <message>
        <source>Голос: %1</source>
        <translation>Voice: %1</translation>
    </message>
    <message>
        <source>Нет вывода звука: речь не будет слышна.</source>
        <translation>No sound output: the speech will not be heard.</translation>
    </message>
    <message>
        <source>Простые</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>Числа</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>Последовательности чисел</source>
        <translation>Number sequences</translation>
    </message>
    <message>
        <source>Средние</source>
        <translation>Intermediate</translation>
    </message>
    <message>
        <source>Сложные</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>История ответов</source>
        <translation>History of answers</translation>
    </message>
    <message>
        <source>Параметры обучения</source>
        <translation>Training options</translation>
    </message>
</context>
<context>
    <name>TRuzdoPole</name>
    <message>
        <source>Поле выбора</source>
        <translation>Plates</translation>
    </message>
    <message>
        <source>Прокрутка поля выбора</source>
        <translation>Plates scroll bar</translation>
    </message>
    <message>
        <source>Набрано: %1 — такой плашки нет</source>
        <translation>Typed: %1 — no such plate</translation>
    </message>
    <message>
        <source>Набрано: %1</source>
        <translation>Typed: %1</translation>
    </message>
    <message>
        <source>Нет плашки %1: ничего не нажато</source>
        <translation>No plate %1: nothing clicked</translation>
    </message>
</context>
<context>
    <name>TfAbout</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Картинка</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Программа разработана для тренировки восприятия числовой </source>
        <translation>This program was made for training the understanding of numbers</translation>
    </message>
    <message>
        <source>информации на слух.</source>
        <translation>by ear.</translation>
    </message>
    <message>
        <source>Описание программы: файл README.md в её исходных текстах.</source>
        <translation>The program&apos;s description: the file README.md in its sources.</translation>
    </message>
    <message>
        <source>Лицензия голоса: /usr/share/doc/hts-voice-nitech-jp-atr503-m001/copyright</source>
        <translation>The voice&apos;s licence: /usr/share/doc/hts-voice-nitech-jp-atr503-m001/copyright</translation>
    </message>
    <message>
        <source>Требования:</source>
        <translation>Requirements:</translation>
    </message>
    <message>
        <source>ОС: Тестировалось на Debian 12</source>
        <translation>OS: tested on Debian 12</translation>
    </message>
    <message>
        <source>Планы:</source>
        <translation>Plans:</translation>
    </message>
    <message>
        <source>  - устранение возможных ошибок;</source>
        <translation>  - fixing any bugs;</translation>
    </message>
    <message>
        <source>  - добавление новых тестов;</source>
        <translation>  - adding new tests;</translation>
    </message>
    <message>
        <source>  - доработка пользовательского интерфейса;</source>
        <translation>  - polishing the user interface;</translation>
    </message>
    <message>
        <source>  - поиск более качественного синтезатора речи.</source>
        <translation>  - finding a better speech synthesiser.</translation>
    </message>
    <message>
        <source>* Для синтеза речи используется звуковой движок Onsei (С). </source>
        <translation>* The speech is synthesised by the Onsei sound engine (C). </translation>
    </message>
    <message>
        <source>Голос: HTS voice nitech_jp_atr503_m001, © Nagoya Institute of Technology, CC BY 3.0</source>
        <translation>Voice: HTS voice nitech_jp_atr503_m001, © Nagoya Institute of Technology, CC BY 3.0</translation>
    </message>
    <message>
        <source>Голоса «Мужчина 2» и «Женщина 1»: HTS voices Takumi и Mei (MMDAgent Project Team), © 2009-2018 Nagoya Institute of Technology, CC BY 3.0</source>
        <translation>Voices &apos;Man 2&apos; and &apos;Woman 1&apos;: HTS voices Takumi and Mei (MMDAgent Project Team), © 2009-2018 Nagoya Institute of Technology, CC BY 3.0</translation>
    </message>
    <message>
        <source>Голос «Женщина 2»: HTS voice tohoku-f01, © 2015 Intelligent Communication Network (Ito-Nose) Laboratory, Tohoku University, CC BY 4.0</source>
        <translation>Voice &apos;Woman 2&apos;: HTS voice tohoku-f01, © 2015 Intelligent Communication Network (Ito-Nose) Laboratory, Tohoku University, CC BY 4.0</translation>
    </message>
    <message>
        <source>Без изменений; лицензии — в пакете onsei-voices рядом с голосами.</source>
        <translation>Unchanged; the licences are in the onsei-voices package beside the voices.</translation>
    </message>
</context>
<context>
    <name>TrainingOptions</name>
    <message>
        <source>Голос</source>
        <translation>Voice</translation>
    </message>
    <message>
        <source>Голос диктора; «Разные» — свой голос для каждого вопроса</source>
        <translation>The speaker&apos;s voice; &apos;Mixed&apos; picks a voice for each question</translation>
    </message>
    <message>
        <source>Разные варианты чтения</source>
        <translation>Varied readings</translation>
    </message>
    <message>
        <source>Читать число в каждом вопросе любым из верных вариантов: しちじ или ななじ, じゅっぽん или じっぽん</source>
        <translation>Read the number of each question in any of its correct readings: しちじ or ななじ, じゅっぽん or じっぽん</translation>
    </message>
    <message>
        <source>Чаще ошибочные</source>
        <translation>Missed ones more often</translation>
    </message>
    <message>
        <source>Чаще спрашивать числа, в которых недавно ошибались или которые путали</source>
        <translation>Ask more often for the numbers recently missed or mixed up</translation>
    </message>
    <message>
        <source>В предложениях</source>
        <translation>In sentences</translation>
    </message>
    <message>
        <source>Говорить число каждого вопроса внутри фразы для его счётного суффикса: «全部で1980円になります», последовательность — «電話番号は…です». Интервал считается от конца фразы: «Интервал после речи» с ним включён всегда</source>
        <translation>Say each question&apos;s number inside a sentence that suits its counter word: &apos;全部で1980円になります&apos;, a sequence &apos;電話番号は…です&apos;. The interval counts from the end of the sentence: &apos;Interval after speech&apos; is always on with it</translation>
    </message>
    <message>
        <source>Условия</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>Интервал после речи</source>
        <translation>Interval after speech</translation>
    </message>
    <message>
        <source>Отсчитывать интервал от конца сказанного: каждый вопрос слышен целиком, и на ответ есть весь интервал</source>
        <translation>Count the interval from the end of the speech: every question is heard in full, and the whole interval is left to answer</translation>
    </message>
    <message>
        <source>Показывать верный ответ</source>
        <translation>Show the right answer</translation>
    </message>
    <message>
        <source>После ошибки или пропуска отметить верную плашку до следующего вопроса</source>
        <translation>After a mistake or a missed question, mark the right plate until the next question</translation>
    </message>
    <message>
        <source>Язык интерфейса</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <source>Язык надписей, подсказок и сообщений программы. «Как в системе» — английский, если он язык системы, иначе русский. Меняется при следующем запуске программы</source>
        <translation>The language of the program&apos;s labels, tooltips and messages. &apos;System language&apos;: English if the system&apos;s language is English, otherwise Russian. Takes effect the next time the program starts</translation>
    </message>
    <message>
        <source>Кто говорит</source>
        <translation>Who speaks</translation>
    </message>
    <message>
        <source>Что говорится</source>
        <translation>What is said</translation>
    </message>
    <message>
        <source>Как звучит</source>
        <translation>How it sounds</translation>
    </message>
    <message>
        <source>Темп и подсказки</source>
        <translation>Pace and hints</translation>
    </message>
    <message>
        <source>Интерфейс</source>
        <translation>Interface</translation>
    </message>
</context>
<context>
    <name>TrainingOptionsWindow</name>
    <message>
        <source>Параметры обучения</source>
        <translation>Training options</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
</context>
<context>
    <name>ValueSummaryModel</name>
    <message>
        <source>без ответа</source>
        <translation>no answer</translation>
    </message>
    <message>
        <source>%1 из %2 (%3 %)</source>
        <translation>%1 of %2 (%3%)</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Вопросов</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Ошибки</source>
        <translation>Mistakes</translation>
    </message>
    <message>
        <source>Чаще всего нажимали вместо него</source>
        <translation>Most often clicked instead</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Не удалось загрузить голос для синтеза речи:
%1

Установите пакет Debian hts-voice-nitech-jp-atr503-m001 (раздел contrib).</source>
        <translation>Could not load the voice for speech synthesis:
%1

Install the Debian package hts-voice-nitech-jp-atr503-m001 (in the contrib section).</translation>
    </message>
</context>
</TS>
