// Objects in every place a scene may create them: in macros invoked in a loop, in CSG, in a
// #switch branch, declared and placed later, and in a macro that is never invoked.
#version 3.7;
#include "colors.inc"
#include "parts.inc"
#declare Teeth = 3;
#macro Tooth(Angle, Size)
  prism { linear_sweep 0, Size, 4,
    <cos(radians(Angle)), sin(radians(Angle))>, <2, 0> + <0, Size>, <0, 1>,
    <cos(radians(Angle)), sin(radians(Angle))>
    pigment { Red } }
#end
#macro Spare(Height) lathe { 3, <0, 0>, <1, Height>, <0, 2 * Height> } #end
#declare Gear = union {
  #for (T, 0, Teeth - 1)
    object { Tooth(T * 120, 1 + T) }
  #end
  difference { cylinder { 0, y, 1 } Slot }
}
#switch (Teeth)
  #case (2) polygon { 4, <0, 0>, <1, 0>, <0, 1>, <0, 0> } #break
  #case (3) sor { 3, <0.5, 0>, <1, 1>, <0.5, 2> } #break
#end
#declare Pts = array[4] { <0, 0>, <2, 0>, <2, 2>, <0, 0> };
polygon { 4 #for (P, 0, 3) Pts[P] #end }
object { Gear }
