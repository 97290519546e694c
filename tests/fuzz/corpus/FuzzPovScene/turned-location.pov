camera {
    #declare PCT = 0 // Percentage further away
    location vaxis_rotate(<0,0,-1>,
    <1,2,3>)
    look_at <0,0,0>
}
// Background:
background { color rgb <1,1,1> }
