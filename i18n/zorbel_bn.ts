<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>লাল</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>হলুদ</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>সবুজ</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>আসমানি</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>নীল</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>বেগুনি</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>ঘিয়ে</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>কমলা</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>গেম বোর্ড</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>খালি</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>নির্বাচিত</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>চিহ্নিত</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>সক্রিয়</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>সারি %1, কলাম %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>চাল: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>কোনো চাল নেই!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>স্কোর: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>স্কোর: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>গেম</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>নতুন গেম</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>ইঙ্গিত</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>সেটিংস</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>রঙের সংখ্যা</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 রং</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 রং</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 রং</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 রং</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>গতি</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>সেকেন্ডে 10 বার</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>সেকেন্ডে 5 বার</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>সেকেন্ডে 4 বার</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>সেকেন্ডে 2 বার</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>সেকেন্ডে 1 বার</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>সক্রিয় বল ব্যবহার করুন</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>প্রতি চালে সক্রিয় বল</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>স্বয়ংক্রিয় খেলা</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>বলের উপর প্রতীক</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>গেম শেষ। নতুন গেম শুরু করতে পেজটি রিলোড করুন।</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel ইতিমধ্যে অন্য একটি ট্যাবে খোলা আছে।</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>গেমটি এখানে আনুন</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>গেম লোড করা যায়নি। আপনার নেটওয়ার্ক সংযোগ পরীক্ষা করুন।</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>আবার চেষ্টা করুন</translation>
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
