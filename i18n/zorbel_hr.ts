<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>crvena</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>žuta</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>zelena</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>svijetloplava</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>plava</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>ljubičasta</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>bjelokosna</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>narančasta</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Ploča za igru</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>prazno</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>odabrana</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>označena</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>aktivna</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>redak %1, stupac %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Potezi: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>Nema poteza!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Bodovi: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Bodovi: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>Igra</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>Nova igra</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Savjet</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Postavke</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Broj boja</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 boja</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 boja</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 boja</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 boja</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Brzina</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10 puta u sekundi</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5 puta u sekundi</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4 puta u sekundi</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>Dvaput u sekundi</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>Jednom u sekundi</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Koristi aktivne kuglice</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Aktivne kuglice u svakom potezu</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Automatska igra</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Simboli na kuglicama</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>Igra je završena. Za novu igru osvježite stranicu.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel je već otvoren u drugoj kartici.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Premjestite igru ovamo</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>Igru nije moguće učitati. Provjerite mrežnu vezu.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Pokušajte ponovno</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Зорбель</source>
        <translation>Zorbel</translation>
    </message>
</context>
</TS>
