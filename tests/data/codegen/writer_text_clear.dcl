        : text {
            key        = "" ;
            label      = "" ;
            width      =  9.3 ;
            height     =  1.1 ;
            alignment     = left ;
        }
