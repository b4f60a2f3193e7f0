        : spacer {
            width      =  2.9 ;
            height     =  1.3 ;
        }
