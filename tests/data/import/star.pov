// A star whose points an array and a #while loop compute, turned and moved in the xz plane.
#declare Tips = 7;
#declare Radii = array[2] { 3.5, 1.5 };
#declare I = 0;
prism { linear_sweep 0, 1, 2 * Tips + 1
  #while (I < 2 * Tips)
    #local R = Radii[mod(I, 2)];
    <R * cos(I * pi / Tips), R * sin(I * pi / Tips)>,
    #declare I = I + 1;
  #end
  <Radii[0], 0>
  rotate <0, 20, 0>
  translate <0.5, 0, -0.25>
}
