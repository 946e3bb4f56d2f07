#!/usr/bin/env bash
# Redraws the hand-made pictures with ImageMagick's drawing commands: shop pictures made another
# way than the generator's, so the measurement does not only see its own painter. The truth
# files beside them were written by hand from these coordinates.
set -euo pipefail
cd "$(dirname "$0")"
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc

convert -size 750x300 xc:'#fff3e0' -font "$font" \
  -fill '#5d4037' -pointsize 34 -annotate +300+60 '领券中心' \
  -fill '#e53935' -draw 'roundrectangle 30,100 239,209 10,10' \
  -draw 'roundrectangle 270,100 479,209 10,10' -draw 'roundrectangle 510,100 719,209 10,10' \
  -fill white -pointsize 40 -annotate +60+170 '¥20' -annotate +300+170 '¥50' -annotate +535+170 '¥100' \
  -pointsize 16 -annotate +150+150 '满199' -annotate +390+150 '满399' -annotate +640+150 '满699' \
  -fill '#8d6e63' -draw 'rectangle 200,245 550,246' \
  hm-coupons.png

convert -size 790x420 gradient:'#ffe0b2-#ffab91' -font "$font" \
  -fill '#222222' -draw 'rectangle 0,0 789,49' \
  -fill white -pointsize 18 -annotate +61+32 '首页' -annotate +201+32 '新品' -annotate +359+32 '热卖' \
  -annotate +517+32 '女装' -annotate +675+32 '男装' \
  -fill '#4e342e' -pointsize 48 -annotate +235+170 '秋冬焕新季' \
  -fill '#ff5722' -draw 'roundrectangle 315,300 474,347 24,24' \
  -fill white -pointsize 20 -annotate +355+331 '立即抢购' \
  hm-nav-banner.png

convert -size 790x700 xc:'#f2f2f2' -font "$font" \
  -fill white -draw 'roundrectangle 20,20 384,339 8,8' -draw 'roundrectangle 405,20 769,339 8,8' \
  -draw 'roundrectangle 20,360 384,679 8,8' -draw 'roundrectangle 405,360 769,679 8,8' \
  -fill '#b3e5fc' -draw 'rectangle 36,36 368,220' -draw 'rectangle 421,36 753,220' \
  -draw 'rectangle 36,376 368,560' -draw 'rectangle 421,376 753,560' \
  -fill '#333333' -pointsize 18 -annotate +40+250 '羊绒围巾' -annotate +425+250 '真丝睡衣' \
  -annotate +40+590 '运动鞋' -annotate +425+590 '双肩背包' \
  -fill '#e53935' -pointsize 22 -annotate +40+300 '¥199' -annotate +425+300 '¥329' \
  -annotate +40+640 '¥259' -annotate +425+640 '¥149' \
  hm-grid-grey.png

convert -size 1200x500 xc:'#15161c' -font "$font" \
  -fill '#ffb300' -draw 'circle 60,50 76,50' -fill '#eeeeee' -pointsize 20 -annotate +90+57 '夜行者旗舰店' \
  -pointsize 40 -annotate +480+80 '暗夜新品' \
  -fill '#2a2c38' -draw 'roundrectangle 40,120 579,419 14,14' -draw 'roundrectangle 620,120 1159,419 14,14' \
  -fill '#eeeeee' -pointsize 30 -annotate +70+180 '机械键盘' -annotate +650+180 '电竞耳机' \
  -fill '#7986cb' -draw 'rectangle 330,150 549,389' -draw 'rectangle 910,150 1129,389' \
  hm-dark-blocks.png
