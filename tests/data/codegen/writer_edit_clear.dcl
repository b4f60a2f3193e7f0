        :edit_box {
            key        = "e2" ;
            label      = "Age" ;
            value      = "" ;
            width      =  0.4 ;
            height     = 20.0 ;
            alignment     = centered ;
        }
