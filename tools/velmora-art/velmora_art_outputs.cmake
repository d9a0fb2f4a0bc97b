# The pictures velmora-art writes, as paths relative to its output folder (device-data/).
set(VELMORA_ART_OUTPUTS
  Images/L01.jpg Images/P01.jpg Images/Q01.jpg
  Resources/bmp131.png Resources/bmp132.png Resources/bmp133.png
  Resources/icon101.png Resources/icon101-32.png
  Images/vlh_f1.png Images/vlh_f2.png Images/vlh_fb.png Images/vlh_s.png
  Images/clock.png Images/mypic.png)
# The nine stars' pictures (170..178) and the sixty-cycle list's element icons (179).
foreach(number RANGE 170 179)
  list(APPEND VELMORA_ART_OUTPUTS Resources/bmp${number}.png)
endforeach()
foreach(digit RANGE 0 9)
  list(APPEND VELMORA_ART_OUTPUTS Images/vlh_${digit}.png)
endforeach()
foreach(code RANGE 1 47)
  string(LENGTH "${code}" digits)
  if(digits EQUAL 1)
    set(code "0${code}")
  endif()
  list(APPEND VELMORA_ART_OUTPUTS Images/wl${code}.png Images/wm${code}.png)
endforeach()
