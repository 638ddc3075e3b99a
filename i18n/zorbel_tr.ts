<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>kırmızı</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>sarı</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>yeşil</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>açık mavi</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>mavi</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>mor</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>fildişi</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>turuncu</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Oyun alanı</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>boş</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>seçili</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>işaretli</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>aktif</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>satır %1, sütun %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Hamle: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>Hamle yok!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Puan: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Puan: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>Oyun</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>Yeni oyun</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>İpucu</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Renk sayısı</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 renk</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 renk</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 renk</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 renk</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Hız</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>Saniyede 10 kez</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>Saniyede 5 kez</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>Saniyede 4 kez</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>Saniyede 2 kez</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>Saniyede 1 kez</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Aktif topları kullan</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Her hamlede aktif toplar</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Otomatik oyun</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Toplarda simgeler</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>Oyun bitti. Yeni bir oyun başlatmak için sayfayı yenileyin.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel başka bir sekmede zaten açık.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Oyunu buraya taşı</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>Oyun yüklenemedi. Ağ bağlantınızı kontrol edin.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Tekrar dene</translation>
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
