<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ka" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>წითელი</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>ყვითელი</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>მწვანე</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>ცისფერი</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>ლურჯი</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>იისფერი</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>სპილოსძვლისფერი</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>ნარინჯისფერი</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>სათამაშო დაფა</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>ცარიელი</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>არჩეული</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>მონიშნული</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>აქტიური</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>მწკრივი %1, სვეტი %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>სვლები: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>სვლა აღარ არის!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>ქულა: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>ქულა: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>თამაში</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>ახალი თამაში</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>მინიშნება</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>პარამეტრები</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>ფერების რაოდენობა</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 ფერი</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 ფერი</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 ფერი</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 ფერი</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>სიჩქარე</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>წამში 10-ჯერ</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>წამში 5-ჯერ</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>წამში 4-ჯერ</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>წამში ორჯერ</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>წამში ერთხელ</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>აქტიური ბურთების გამოყენება</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>აქტიური ბურთები ყოველ სვლაზე</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>ავტომატური თამაში</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>სიმბოლოები ბურთებზე</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>თამაში დასრულდა. ახალი თამაშის დასაწყებად განაახლეთ გვერდი.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel უკვე გახსნილია სხვა ჩანართში.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>თამაშის აქ გადმოტანა</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>თამაშის ჩატვირთვა ვერ მოხერხდა. შეამოწმეთ ქსელთან კავშირი.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>ხელახლა ცდა</translation>
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
