        : image {
            key        = "img2" ;
            width      = 10.0 ;
            height     =  3.0 ;
            color     = black ;
            alignment     = left ;
        }
