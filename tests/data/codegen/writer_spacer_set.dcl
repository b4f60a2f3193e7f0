        : spacer {
            width      =  2.0 ;
            height     =  2.0 ;
            fixed_height = true ;
            fixed_width = true ;
        }
