#declare Color10 = texture {
 pigment { rgb <0,1,0> }
}
#declare Color42 = texture {
 pigment { rgbf <0,1,0,0.9> }
}
// house.dat for POV-Ray, written by Brikolo.
#version 3.7;
global_settings { assumed_gamma 1.0 }

#declare BO_Finish = finish { ambient 0.25 diffuse 0.55 phong 0.3 phong_size 40 }
#declare Color1 = texture {
pigment { srgb <0,0.2,0.698039> }
finish { BO_Finish }
}
#declare Color2 = texture {
pigment { srgb <0,0.498039,0.2> }
finish { BO_Finish }
}
#declare Color4 = texture {
pigment { srgb <0.8,0,0> }
finish { BO_Finish }
}
#declare Color6 = texture {
pigment { srgb <0.4,0.2,0> }
finish { BO_Finish }
}
#declare Color7 = texture {
pigment { srgb <0.6,0.6,0.6> }
finish { BO_Finish }
}
#declare Color15 = texture {
pigment { srgb <1,1,1> }
finish { BO_Finish }
}
#declare Color46 = texture {
pigment { srgbf <1,0.898039,0,0.85> }
finish { BO_Finish reflection 0.1 }
}

// 40 by 40, 24 high, with studs, for 3003.dat
#declare BO_Piece1 = union {
  box { <-20,0,-20>, <20,24,20> }
  cylinder { <-10,0,-10>, <-10,-4,-10>, 6 }
  cylinder { <-10,0,10>, <-10,-4,10>, 6 }
  cylinder { <10,0,-10>, <10,-4,-10>, 6 }
  cylinder { <10,0,10>, <10,-4,10>, 6 }
}
// 80 by 20, 24 high, with studs, for 3010.dat
#declare BO_Piece2 = union {
  box { <-40,0,-10>, <40,24,10> }
  cylinder { <-30,0,0>, <-30,-4,0>, 6 }
  cylinder { <-10,0,0>, <-10,-4,0>, 6 }
  cylinder { <10,0,0>, <10,-4,0>, 6 }
  cylinder { <30,0,0>, <30,-4,0>, 6 }
}
// 60 by 20, 24 high, with studs, for 3622.dat
#declare BO_Piece3 = union {
  box { <-30,0,-10>, <30,24,10> }
  cylinder { <-
    location <-616.111,-448.319,-1067.05>*(1+PCT/100)
    sky <0,-1,0.0001>
    right -x*image_width/image_height // LDraw turns the other way round
    look_at <0,0,0>
    angle 25
}

light_source { <-700,-900,-1000> color rgb <1,1,1> }
light_source { <1200,-1000,400> color rgb <1,1,1> }
light_source { <-900,-600,-900> color rgb <1,1,1> }

object { BO_Model translate <0,90,20> }
