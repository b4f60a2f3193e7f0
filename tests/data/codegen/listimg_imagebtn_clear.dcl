        : image_button  {
            key        = "b2" ;
            width      = 14.3 ;
            height     =  4.0 ;
            color     = graphics_background ;
            alignment     = left ;
        }
