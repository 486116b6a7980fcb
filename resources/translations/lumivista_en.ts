<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>TForm1</name>
    <message>
        <source>Построение изображения в линзе</source>
        <translation>Image formed by a lens</translation>
    </message>
    <message>
        <source>Дисперсия луча света в призме</source>
        <translation>Dispersion of light in a prism</translation>
    </message>
    <message>
        <source>Преломление света на границе сред</source>
        <translation>Refraction at a boundary</translation>
    </message>
    <message>
        <source>Отражение света. Построение изображения в зеркале.</source>
        <translation>Reflection. The image in a mirror.</translation>
    </message>
    <message>
        <source>Фокусное расстояние линзы.</source>
        <translation>Focal length of a lens.</translation>
    </message>
    <message>
        <source>Спектрометр на дифракционной решетке</source>
        <translation>Diffraction grating spectrometer</translation>
    </message>
    <message>
        <source>Дифракция Фраунгофера</source>
        <translation>Fraunhofer diffraction</translation>
    </message>
    <message>
        <source>Дифракция Френеля</source>
        <translation>Fresnel diffraction</translation>
    </message>
    <message>
        <source>Поляризация волны</source>
        <translation>Polarisation of a wave</translation>
    </message>
    <message>
        <source>Интерференция от точечных источников</source>
        <translation>Interference from point sources</translation>
    </message>
    <message>
        <source>Кольца Ньютона</source>
        <translation>Newton&apos;s rings</translation>
    </message>
    <message>
        <source>Дифракция. Основные черты и закономерности.</source>
        <translation>Diffraction. Main features and laws.</translation>
    </message>
    <message>
        <source>Поляризация света при отражении и преломлении</source>
        <translation>Polarisation at reflection and refraction</translation>
    </message>
    <message>
        <source>Преломление по принципу Гюйгенса</source>
        <translation>Refraction by Huygens&apos; principle</translation>
    </message>
    <message>
        <source>Закон Малюса</source>
        <translation>Malus&apos;s law</translation>
    </message>
    <message>
        <source>Дифракция микрочастиц</source>
        <translation>Diffraction of microparticles</translation>
    </message>
    <message>
        <source>Рентгеновские спектры</source>
        <translation>X-ray spectra</translation>
    </message>
    <message>
        <source>Демонстрации</source>
        <translation>Demonstrations</translation>
    </message>
    <message>
        <source>Лумивиста: демонстрации по физике</source>
        <translation>Lumivista: physics demonstrations</translation>
    </message>
    <message>
        <source>Оптика и атомная физика</source>
        <translation>Optics and atomic physics</translation>
    </message>
    <message>
        <source>Авторы: команда проекта Lumivista</source>
        <translation>Authors: the Lumivista team</translation>
    </message>
    <message>
        <source>Сайт: lumivista.example</source>
        <translation>Site: lumivista.example</translation>
    </message>
    <message>
        <source>Справка по программе</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Выход из программы</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Масштаб: %1</source>
        <translation>Scale: %1</translation>
    </message>
    <message>
        <source>Не удалось перезапустить программу.</source>
        <translation>Could not restart the program.</translation>
    </message>
</context>
</TS>
