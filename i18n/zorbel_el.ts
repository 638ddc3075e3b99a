<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>κόκκινη</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>κίτρινη</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>πράσινη</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>γαλάζια</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>μπλε</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>μωβ</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>ιβουάρ</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>πορτοκαλί</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Ταμπλό</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>κενό</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>επιλεγμένη</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>σημαδεμένη</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>ενεργή</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>γραμμή %1, στήλη %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Κινήσεις: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>Καμία κίνηση!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Σκορ: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Σκορ: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>Παιχνίδι</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>Νέο παιχνίδι</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Υπόδειξη</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Αριθμός χρωμάτων</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 χρώματα</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 χρώματα</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 χρώματα</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 χρώματα</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Ταχύτητα</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10 φορές το δευτερόλεπτο</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5 φορές το δευτερόλεπτο</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4 φορές το δευτερόλεπτο</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>Δύο φορές το δευτερόλεπτο</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>Μία φορά το δευτερόλεπτο</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Χρήση ενεργών μπαλών</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Ενεργές μπάλες σε κάθε κίνηση</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Αυτόματο παιχνίδι</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Σύμβολα στις μπάλες</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>Το παιχνίδι τελείωσε. Για να ξεκινήσετε νέο παιχνίδι, ανανεώστε τη σελίδα.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Το Zorbel είναι ήδη ανοιχτό σε άλλη καρτέλα.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Μεταφορά του παιχνιδιού εδώ</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>Δεν ήταν δυνατή η φόρτωση του παιχνιδιού. Ελέγξτε τη σύνδεσή σας στο δίκτυο.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Δοκιμάστε ξανά</translation>
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
