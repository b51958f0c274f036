REM 平行寸法線（2点に平行）　寸法値の位置を指定して作図（Halvane Ver.1.2.0）
@echo off
goto RUN
REM #jww
REM #cd
REM #h0
REM #1 測定点の始点
REM #2 測定点の終点
REM #3 寸法線の位置
REM #4 寸法値の位置
REM #e
:RUN
"%~dp0Halvane.exe" /aligned
